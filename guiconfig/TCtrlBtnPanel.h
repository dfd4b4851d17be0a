#pragma once

#include <QList>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

// The column of controls on the right edge of a generic window: the row
// count, Refresh, Edit, Set Checked, Add, Delete, Check All, Clear Checks and
// Close, stacked from the top with hidden controls taking no room.
class TCtrlBtnPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Margin = 10;
    static constexpr int ControlWidth = 96;
    static constexpr int Gap = 5;
    static constexpr int PanelWidth = 2 * Margin + ControlWidth; // 116
    static constexpr int ButtonHeight = 25;

    explicit TCtrlBtnPanel(QWidget *parent);

    // Stacks the controls from the top: each 96 wide at left 10, visible ones
    // 5 pixels apart.
    void ArrangeButtons();

    // The controls in stacking order.
    QList<QWidget *> Controls() const;

    // Loads "Get.bmp", "Set.bmp", ... from the directory onto the buttons
    // that have a file there; such a button shows the image instead of its
    // caption. The first file that cannot be read ends the loading quietly.
    void LoadImages(const QString &directory);

    // The height the stacked controls need (used when the window is sized).
    int ContentHeight() const;

    QSize sizeHint() const override;

    QLabel *CountText;
    QLabel *SamplesLabel;
    QPushButton *RefreshBtn;
    QPushButton *EditBtn;
    QPushButton *SetCheckedBtn;
    QPushButton *AddBtn;
    QPushButton *DeleteBtn;
    QPushButton *CheckAllBtn;
    QPushButton *ClearChecksBtn;
    QPushButton *CloseBtn;

    // What each button runs when clicked, called with the button. A window
    // replaces a handler by assigning it; an empty handler does nothing.
    // Exceptions a handler lets through are shown in a message box.
    using ClickHandler = std::function<void(QPushButton *sender)>;
    ClickHandler OnRefreshClick;
    ClickHandler OnEditClick;
    ClickHandler OnSetCheckedClick;
    ClickHandler OnAddClick;
    ClickHandler OnDeleteClick;
    ClickHandler OnCheckAllClick;
    ClickHandler OnClearChecksClick;
    ClickHandler OnCloseClick;

private:
    QPushButton *MakeButton(const QString &caption, const char *name, ClickHandler TCtrlBtnPanel::*handler);
    void Run(const ClickHandler &handler, QPushButton *sender);
};
