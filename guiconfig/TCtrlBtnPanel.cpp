#include "TCtrlBtnPanel.h"

#include "KtException.h"
#include "KtMessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TCtrlBtnPanel::TCtrlBtnPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BtnPanel"));
    const int textHeight = fontMetrics().height();

    CountText = new QLabel(QStringLiteral("0"), this);
    CountText->setObjectName(QStringLiteral("CountText"));
    CountText->setAlignment(Qt::AlignCenter);
    CountText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    CountText->resize(ControlWidth, textHeight + 4);

    SamplesLabel = new QLabel(QStringLiteral("Samples"), this);
    SamplesLabel->setObjectName(QStringLiteral("SamplesLabel"));
    SamplesLabel->setAlignment(Qt::AlignCenter);
    SamplesLabel->resize(ControlWidth, textHeight);

    RefreshBtn = MakeButton(QStringLiteral("Refresh"), "RefreshBtn", &TCtrlBtnPanel::OnRefreshClick);
    EditBtn = MakeButton(QStringLiteral("Edit"), "EditBtn", &TCtrlBtnPanel::OnEditClick);
    SetCheckedBtn =
        MakeButton(QStringLiteral("Set Checked"), "SetCheckedBtn", &TCtrlBtnPanel::OnSetCheckedClick);
    AddBtn = MakeButton(QStringLiteral("Add"), "AddBtn", &TCtrlBtnPanel::OnAddClick);
    DeleteBtn = MakeButton(QStringLiteral("Delete"), "DeleteBtn", &TCtrlBtnPanel::OnDeleteClick);
    CheckAllBtn = MakeButton(QStringLiteral("Check All"), "CheckAllBtn", &TCtrlBtnPanel::OnCheckAllClick);
    ClearChecksBtn =
        MakeButton(QStringLiteral("Clear Checks"), "ClearChecksBtn", &TCtrlBtnPanel::OnClearChecksClick);
    CloseBtn = MakeButton(QStringLiteral("Close"), "CloseBtn", &TCtrlBtnPanel::OnCloseClick);

    AddBtn->hide();
    DeleteBtn->hide();
    LoadImages(QDir::currentPath());
    ArrangeButtons();
    setFixedWidth(PanelWidth);
}

QPushButton *TCtrlBtnPanel::MakeButton(const QString &caption, const char *name,
                                       ClickHandler TCtrlBtnPanel::*handler)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->resize(ControlWidth, ButtonHeight);
    connect(button, &QPushButton::clicked, this, [this, button, handler] {
        // A copy: the handler may replace itself while it runs.
        const ClickHandler run = this->*handler;
        Run(run, button);
    });
    return button;
}

void TCtrlBtnPanel::Run(const ClickHandler &handler, QPushButton *sender)
{
    if (!handler)
        return;
    // An exception must not unwind through Qt's signal delivery.
    try {
        handler(sender);
    } catch (const KtException &error) {
        KtMessageBox::Inform(window(), error.Message);
    } catch (const std::exception &error) {
        KtMessageBox::Inform(window(), QString::fromUtf8(error.what()));
    }
}

QList<QWidget *> TCtrlBtnPanel::Controls() const
{
    return {CountText, SamplesLabel, RefreshBtn,  EditBtn,        SetCheckedBtn,
            AddBtn,    DeleteBtn,    CheckAllBtn, ClearChecksBtn, CloseBtn};
}

void TCtrlBtnPanel::LoadImages(const QString &directory)
{
    const QList<std::pair<QPushButton *, const char *>> images = {
        {RefreshBtn, "Get.bmp"},
        {EditBtn, "Set.bmp"},
        {SetCheckedBtn, "SetCheck.bmp"},
        {AddBtn, "Add.bmp"},
        {DeleteBtn, "Delete.bmp"},
        {CheckAllBtn, "SelectAll.bmp"},
        {ClearChecksBtn, "SelectNone.bmp"},
        {CloseBtn, "Close.bmp"},
    };
    for (const auto &[button, name] : images) {
        const QString path = QDir(directory).filePath(QLatin1String(name));
        if (!QFileInfo::exists(path))
            continue;
        QPixmap picture;
        if (!picture.load(path))
            return;
        // The caption lives on as the tool tip, so the button still says
        // what it does.
        button->setToolTip(button->text());
        button->setText(QString());
        button->setIcon(QIcon(picture));
        button->setIconSize(picture.size().boundedTo(QSize(ControlWidth - 8, ButtonHeight - 6)));
    }
}

void TCtrlBtnPanel::ArrangeButtons()
{
    int top = Margin;
    for (QWidget *control : Controls()) {
        control->setGeometry(Margin, top, ControlWidth, control->height());
        if (!control->isHidden())
            top = control->y() + control->height() + Gap;
    }
    updateGeometry();
}

int TCtrlBtnPanel::ContentHeight() const
{
    int bottom = Margin;
    for (QWidget *control : Controls())
        if (!control->isHidden())
            bottom = control->y() + control->height() + Gap;
    return bottom + Margin - Gap;
}

QSize TCtrlBtnPanel::sizeHint() const
{
    return {PanelWidth, ContentHeight()};
}
