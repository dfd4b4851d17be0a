#pragma once

#include <QString>
#include <QWidget>

class KtSNMPRequest2Edits;
class QTreeWidget;
class TCtrlBtnPanel;

// The list half of a table window: a list view with one row per table row,
// and the row-status variable and labels that create and delete rows.
class TListViewPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MaxWidth = 450;
    static constexpr int PanelHeight = 350;
    static constexpr int PixelsPerCharacter = 8;

    TListViewPanel(QWidget *parent, KtSNMPRequest2Edits *binding);

    // Shows the buttons a table list needs on the bar.
    void ArrangeCtrlBtn(TCtrlBtnPanel *bar);

    QSize sizeHint() const override;

    QTreeWidget *ListView;
    int AddIndex = -1;
    QString AddValue;
    int DeleteIndex = -1;
    QString DeleteValue;

private:
    QSize designSize_;
};
