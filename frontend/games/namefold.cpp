#include "frontend/games/namefold.h"

#include <QList>

namespace NameFold {

namespace {

// The blocks of combining diacritical marks that accents are made of.
bool isDiacritic(char32_t code)
{
    return (code >= 0x0300 && code <= 0x036F) || (code >= 0x1AB0 && code <= 0x1AFF)
           || (code >= 0x1DC0 && code <= 0x1DFF) || (code >= 0x20D0 && code <= 0x20FF)
           || (code >= 0xFE20 && code <= 0xFE2F);
}

void appendCaseFolded(char32_t code, QString &out)
{
    const char32_t folded = QChar::toCaseFolded(code);
    if (QChar::requiresSurrogates(folded)) {
        out += QChar(QChar::highSurrogate(folded));
        out += QChar(QChar::lowSurrogate(folded));
    } else {
        out += QChar(char16_t(folded));
    }
}

// A letter with a decomposition ("é", "ﬁ", a full-width "Ａ") folds as its parts.
void appendCodePoint(char32_t code, QString &out)
{
    if (isDiacritic(code))
        return;
    if (QChar::decompositionTag(code) == QChar::NoDecomposition) {
        appendCaseFolded(code, out);
        return;
    }
    const QString parts = QString::fromUcs4(&code, 1).normalized(QString::NormalizationForm_KD);
    for (const char32_t part : parts.toUcs4()) {
        if (!isDiacritic(part))
            appendCaseFolded(part, out);
    }
}

} // namespace

void append(QStringView text, QString &out)
{
    out.reserve(out.size() + text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) { // most names are plain ASCII: no table look-ups
            out += QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c);
            continue;
        }
        char32_t code = c;
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(text[i + 1].unicode()))
            code = QChar::surrogateToUcs4(c, text[++i].unicode());
        appendCodePoint(code, out);
    }
}

} // namespace NameFold
