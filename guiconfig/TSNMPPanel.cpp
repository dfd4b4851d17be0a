#include "TSNMPPanel.h"

#include "KtException.h"
#include "KtMessageBox.h"
#include "KtSNMPRequest2Edits.h"
#include "TCtrlBtnPanel.h"
#include "TMainWindowAnchor.h"
#include "TMsgPanel.h"

#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

TSNMPPanel::TSNMPPanel(QWidget *parent, TMsgPanel *sharedMsgPanel, KtSNMPRequest2Edits *binding)
    : QWidget(parent), EditCtrl(binding), sharedMsgPanel_(sharedMsgPanel)
{
    setObjectName(QStringLiteral("SNMPPanel"));
    RightSplitter = new QSplitter(Qt::Horizontal, this);
    RightSplitter->setObjectName(QStringLiteral("RightSplitter"));
    RightSplitter->setHandleWidth(SplitterWidth);
    RightSplitter->setChildrenCollapsible(false);
    ClientPanel = new QWidget;
    ClientPanel->setObjectName(QStringLiteral("ClientPanel"));
    BtnPanel = new TCtrlBtnPanel(nullptr);
    RightSplitter->addWidget(ClientPanel);
    RightSplitter->addWidget(BtnPanel);
    RightSplitter->setStretchFactor(0, 1);
    RightSplitter->setStretchFactor(1, 0);

    BtnPanel->OnRefreshClick = [this](QPushButton *) { GetWithStatus(); };
    BtnPanel->OnCloseClick = [this](QPushButton *) { CloseHostForm(); };

    BottomSplitter = new QSplitter(Qt::Vertical, ClientPanel);
    BottomSplitter->setObjectName(QStringLiteral("BottomSplitter"));
    BottomSplitter->setHandleWidth(SplitterWidth);
    BottomSplitter->setChildrenCollapsible(false);
    auto *clientLayout = new QVBoxLayout(ClientPanel);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(BottomSplitter);

    if (sharedMsgPanel) {
        if (EditCtrl)
            EditCtrl->SetStatusMemo(sharedMsgPanel->Memo);
    } else {
        MsgPanel = new TMsgPanel(nullptr);
        BottomSplitter->addWidget(MsgPanel);
        if (EditCtrl)
            EditCtrl->SetStatusMemo(MsgPanel->Memo);
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RightSplitter);
    resize(0, 0);
}

TMsgPanel *TSNMPPanel::MessagePanel() const
{
    return MsgPanel ? MsgPanel : sharedMsgPanel_.data();
}

void TSNMPPanel::SetContent(QWidget *panel)
{
    if (!panel)
        return;
    if (Content && Content != panel)
        Content->hide();
    Content = panel;
    // Contents go above the memo.
    const int at = MsgPanel ? BottomSplitter->indexOf(MsgPanel) : BottomSplitter->count();
    if (BottomSplitter->indexOf(panel) < 0)
        BottomSplitter->insertWidget(at, panel);
    BottomSplitter->setStretchFactor(BottomSplitter->indexOf(panel), 1);
    if (MsgPanel)
        BottomSplitter->setStretchFactor(BottomSplitter->indexOf(MsgPanel), 0);
    panel->show();

    const QSize content = panel->sizeHint().isValid() ? panel->sizeHint() : panel->size();
    const int messageHeight = MsgPanel ? TMsgPanel::PanelHeight : 0;
    const int width = content.width() + TCtrlBtnPanel::PanelWidth + SplitterWidth + 3;
    const int height = std::max(content.height() + messageHeight + SplitterWidth, BtnPanel->ContentHeight());
    designSize_ = QSize(width, height);
    resize(designSize_);
    updateGeometry();

    ApplySplitterSizes();
}

void TSNMPPanel::ApplySplitterSizes()
{
    const int messageHeight = MsgPanel ? TMsgPanel::PanelHeight : 0;
    // A shown panel shares out its real size, one still being built its
    // designed size.
    const bool real = isVisible() && RightSplitter->width() > 0 && BottomSplitter->height() > 0;
    const int width = real ? RightSplitter->width() : designSize_.width();
    const int height = real ? BottomSplitter->height() : designSize_.height();
    RightSplitter->setSizes({width - TCtrlBtnPanel::PanelWidth - SplitterWidth, TCtrlBtnPanel::PanelWidth});
    QList<int> sizes;
    for (int i = 0; i < BottomSplitter->count(); ++i) {
        const QWidget *child = BottomSplitter->widget(i);
        sizes << (child == Content    ? height - messageHeight - SplitterWidth
                  : child == MsgPanel ? messageHeight
                                      : 0);
    }
    BottomSplitter->setSizes(sizes);
}

void TSNMPPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The splitters only keep their shares once they have their real size.
    ApplySplitterSizes();
}

void TSNMPPanel::FitForm(QWidget *window)
{
    if (!window)
        return;
    HostForm = window;
    if (!window->layout()) {
        auto *layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    if (window->layout()->indexOf(this) < 0) {
        if (parentWidget() != window)
            setParent(window);
        window->layout()->addWidget(this);
    }
    const int width = std::min(std::max(window->width(), designSize_.width()), MaxClientWidth);
    const int height = std::min(std::max(window->height(), designSize_.height()), MaxClientHeight);
    window->resize(width, height);
    TMainWindowAnchor::CentreOverMainWindow(window);
}

void TSNMPPanel::CloseHostForm()
{
    if (!HostForm) {
        KtMessageBox::Inform(window(), QStringLiteral("Please initial close form"));
        return;
    }
    HostForm->close();
}

void TSNMPPanel::GetWithStatus()
{
    if (!EditCtrl)
        return;
    try {
        EditCtrl->Get();
    } catch (const KtException &error) {
        EditCtrl->ShowStatus(error.Message);
    }
}

QSize TSNMPPanel::sizeHint() const
{
    return designSize_;
}
