// The plug-ins panel: the registry read at start-up.
#include "frontend/frmmain.h"

#include "shared/clickablelabel.h"
#include "shared/dialogs.h"
#include "shared/paths.h"
#include "shared/pluginregistry.h"

#include <QLabel>
#include <QPushButton>

namespace {

struct PluginControls {
    const char *key;
    ClickableLabel *FrmMainUi::*label;
    QPushButton *FrmMainUi::*button;
};

// The keys in the order the start-up read visits them.
constexpr PluginControls startupOrder[] = {
    {"unfoldr", &FrmMainUi::Label18, &FrmMainUi::Command3},
    {"snapshift", &FrmMainUi::Label27, &FrmMainUi::Command7},
    {"emuset", &FrmMainUi::Label22, &FrmMainUi::Command4},
    {"cartload", &FrmMainUi::Label24, &FrmMainUi::Command5},
};

} // namespace

void FrmMain::connectPluginsPage() {}

void FrmMain::ReadPluginRegistry()
{
    const QString registry = Paths::join(m_state.RootDir, PluginRegistry::relativePath());
    m_state.ProbeResult = QStringLiteral("A");
    if (Globale::probe(registry).isEmpty()) {
        m_state.dialogs->message(Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QStringLiteral("ERROR!"),
                                 QStringLiteral("File ") + registry
                                     + QStringLiteral(" Not Found! Bad Ludora4 Installation"));
        return;
    }
    for (const PluginControls &plugin : startupOrder) {
        QLabel *label = ui.*plugin.label;
        const QString path = PluginRegistry::readPath(DatPlug, registry, QLatin1String(plugin.key));
        if (!path.isEmpty())
            label->setText(path);
        m_state.ProbeResult = QStringLiteral("A");
        if (!Globale::probe(label->text()).isEmpty())
            (ui.*plugin.button)->setEnabled(true);
        else
            label->setText(QStringLiteral("Plug-In Not Installed"));
    }
}

void FrmMain::choosePluginExecutable(const QString &, const QString &) {}
