#include "KtMenuWindowOpener.h"

#include "KtDedicatedWindows.h"
#include "KtException.h"
#include "KtMenuCatalogue.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "TConfigForm.h"
#include "TMainForm.h"
#include "TSNMPEditorPanel.h"
#include "TSummerTimeForm.h"

#include <QDialog>
#include <memory>

std::function<void(TConfigForm &)> KtMenuWindowOpener::ShowHook;

namespace {

// Raises SNMPv1 to SNMPv2c for the life of one window, whose requests copy
// the defaults when they are created (64-bit counters need SNMPv2c).
class SnmpV2cWhileOpen
{
public:
    explicit SnmpV2cWhileOpen(bool wanted) : raised_(wanted && KtSNMPDefaults.Security.Version == 0)
    {
        if (raised_)
            KtSNMPDefaults.Security.Version = 1;
    }
    ~SnmpV2cWhileOpen()
    {
        if (raised_)
            KtSNMPDefaults.Security.Version = 0;
    }

private:
    bool raised_;
};

void ApplySizes(TConfigForm &window, TSNMPEditorPanel *editor, const KtMenuItem &item, float scale)
{
    for (const KtMenuSize &size : item.Sizes) {
        const int scaled = int(scale * float(size.Value));
        switch (size.Kind) {
        case KtSizeKind::Height:
            window.resize(window.width(), scaled);
            break;
        case KtSizeKind::HeightPixels:
            window.resize(window.width(), size.Value);
            break;
        case KtSizeKind::HeightAdd:
            window.resize(window.width(), window.height() + scaled);
            break;
        case KtSizeKind::WidthAdd:
            window.resize(window.width() + scaled, window.height());
            break;
        case KtSizeKind::ValueWidth:
            if (editor)
                editor->SetEditWidth(scaled);
            break;
        case KtSizeKind::PanelWidthAdd:
            if (editor)
                editor->resize(editor->width() + scaled, editor->height());
            break;
        case KtSizeKind::None:
            break;
        }
    }
}

void OpenGenericWindow(TMainForm &form, const KtMenuItem &item, int portTag)
{
    form.WindowCaption = QString::fromUtf8(item.Window);
    if (portTag >= 0)
        form.WindowCaption += QLatin1Char(':') + QString::number(portTag);
    const SnmpV2cWhileOpen v2c(item.Has(HookSnmpV2cWhileOpen));
    {
        TConfigForm window;
        auto binding = std::make_unique<KtSNMPRequest2Edits>(&window);
        binding->Request.Vars = KtSNMPVarList(item.Vars, item.Kind, item.IndexCount);
        if (portTag >= 0)
            binding->Request.Vars.Instance = QString::number(portTag);
        TSNMPEditorPanel *editor = nullptr;
        if (item.Action == KtMenuAction::Editor)
            editor = window.SetEditorType(std::move(binding));
        else
            window.SetListViewType(std::move(binding), item.AddIndex, QString::fromUtf8(item.AddValue),
                                   item.DeleteIndex, QString::fromUtf8(item.DeleteValue));
        ApplySizes(window, editor, item, form.ScaleFactor);
        window.setWindowTitle(form.WindowCaption);
        if (KtMenuWindowOpener::ShowHook)
            KtMenuWindowOpener::ShowHook(window);
        else
            window.exec();
    }
    if (item.Has(HookRefreshRmonOnClose))
        form.RefreshRmonMenu();
}

} // namespace

bool KtMenuWindowOpener::CanOpen(const KtMenuItem &item)
{
    if (item.OpensGenericWindow())
        return item.Vars != nullptr;
    return item.Action == KtMenuAction::Dedicated &&
           (qstrcmp(item.ClassName, "TAboutForm") == 0 || qstrcmp(item.ClassName, "TSummerTimeForm") == 0 ||
            KtFindDedicatedWindow(item.ClassName));
}

void KtMenuWindowOpener::Open(TMainForm &form, const KtMenuItem &item, int portTag)
{
    if (item.Has(HookReadStpVersionFirst)) {
        try {
            form.StpVersionBinding->Get();
        } catch (const KtException &error) {
            form.ShowStatusMessage(error.Message);
        }
    }
    if (item.OpensGenericWindow()) {
        OpenGenericWindow(form, item, portTag);
    } else if (qstrcmp(item.ClassName, "TAboutForm") == 0) {
        form.ShowAbout();
    } else if (qstrcmp(item.ClassName, "TSummerTimeForm") == 0) {
        TSummerTimeForm window;
        if (item.Window)
            window.setWindowTitle(QString::fromUtf8(item.Window));
        window.exec();
    } else if (const KtDedicatedWindowDef *dedicated = KtFindDedicatedWindow(item.ClassName)) {
        std::unique_ptr<QDialog> window(dedicated->Create(&form));
        if (item.Window)
            window->setWindowTitle(QString::fromUtf8(item.Window));
        window->exec();
    }
}
