#include "TListViewPanel.h"

#include "KtSNMPRequest2Edits.h"
#include "TCtrlBtnPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TListViewPanel::TListViewPanel(QWidget *parent, KtSNMPRequest2Edits *binding)
    : QWidget(parent), ListView(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("ListViewPanel"));
    ListView->setObjectName(QStringLiteral("ListView"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListView);
    // The editing controls stay enabled: the dialogs decide what is editable.
    if (binding)
        binding->AttachListView(ListView, false);

    qsizetype characters = 0;
    for (int column = 0; column < ListView->columnCount(); ++column)
        characters += ListView->headerItem()->text(column).size();
    const int width =
        int(std::min<qsizetype>(2 * ListView->frameWidth() + PixelsPerCharacter * characters, MaxWidth));
    designSize_ = QSize(width, PanelHeight);
    resize(designSize_);
}

QSize TListViewPanel::sizeHint() const
{
    return designSize_;
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel *bar)
{
    if (!bar)
        return;
    bar->CountText->show();
    bar->SamplesLabel->show();
    bar->RefreshBtn->show();
    bar->EditBtn->show();
    bar->EditBtn->setEnabled(false);
    bar->SetCheckedBtn->hide();
    bar->AddBtn->setVisible(AddIndex != -1);
    bar->DeleteBtn->setVisible(DeleteIndex != -1);
    bar->DeleteBtn->setEnabled(false);
    bar->CheckAllBtn->hide();
    bar->ClearChecksBtn->hide();
    bar->CloseBtn->show();
    bar->ArrangeButtons();
}
