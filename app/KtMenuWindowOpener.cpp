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

#include <QBoxLayout>
#include <QDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QStatusBar>
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

bool HasCloseButton(const QDialog &window)
{
    for (const QPushButton *button : window.findChildren<QPushButton *>()) {
        const QString caption = button->text().remove(QLatin1Char('&'));
        if (caption == QLatin1String("Close") || caption == QLatin1String("Exit"))
            return true;
    }
    return false;
}

// The row of push buttons at the bottom of a window's layout, if it ends in one.
QHBoxLayout *ButtonRowAt(QBoxLayout &box, int index)
{
    if (index < 0)
        return nullptr;
    auto *row = qobject_cast<QHBoxLayout *>(box.itemAt(index)->layout());
    if (!row || row->count() == 0)
        return nullptr;
    return qobject_cast<QPushButton *>(row->itemAt(row->count() - 1)->widget()) ? row : nullptr;
}

// A desktop without title bars gives a window no way to be closed but its
// own buttons: a dedicated window without one gets a "Close" button at the
// bottom right: at the end of its bottom button row, or in a row of its own
// above its status bar.
void AddCloseButton(QDialog &window)
{
    if (HasCloseButton(window))
        return;
    auto *close = new QPushButton(QStringLiteral("Close"), &window);
    close->setObjectName(QStringLiteral("BT_Close"));
    close->setAutoDefault(false);
    QObject::connect(close, &QPushButton::clicked, &window, &QDialog::reject);
    if (auto *box = qobject_cast<QBoxLayout *>(window.layout())) {
        int at = box->count();
        if (at > 0 && qobject_cast<QStatusBar *>(box->itemAt(at - 1)->widget()))
            --at;
        if (QHBoxLayout *buttons = ButtonRowAt(*box, at - 1)) {
            buttons->addWidget(close);
        } else {
            auto *row = new QHBoxLayout;
            row->addStretch();
            row->addWidget(close);
            box->insertLayout(at, row);
        }
    } else if (auto *grid = qobject_cast<QGridLayout *>(window.layout())) {
        grid->addWidget(close, grid->rowCount(), 0, 1, grid->columnCount(), Qt::AlignRight);
    } else {
        // Laid out by hand: the window grows by one button row.
        const QSize button = close->sizeHint();
        const QSize grown(window.width(), window.height() + button.height() + 8);
        if (window.minimumSize() == window.maximumSize())
            window.setFixedSize(grown);
        else
            window.resize(grown);
        close->setGeometry(grown.width() - button.width() - 8, grown.height() - button.height() - 4,
                           button.width(), button.height());
    }
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
    if (item.Has(HookReadStpVersionFirst))
        form.ReadStpVersion();
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
        std::unique_ptr<QDialog> window(dedicated->Create(&form, *form.DeviceState));
        if (item.Window)
            window->setWindowTitle(QString::fromUtf8(item.Window));
        AddCloseButton(*window);
        window->exec();
    }
}
