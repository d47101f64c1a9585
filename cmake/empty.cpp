// Placeholder translation unit for libraries that have no sources yet.
