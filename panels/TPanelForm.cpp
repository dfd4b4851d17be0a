#include "TPanelForm.h"
#include "KtBusyWait.h"

#include "KtException.h"
#include "KtJpegImage.h"
#include "KtSNMPEngine.h"
#include "PanelHost.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFrame>
#include <QLabel>
#include <QPainter>

namespace {

const QString LedStatusCaption = QStringLiteral(" Led Status");

const KtSNMPLedColorMapList &ColorMapOf(LedColourMap colours)
{
    return colours == LedColourMap::PanelLedColoursAlt ? GigabitCopperLedColors() : PanelLedColors();
}

void FillBackground(QWidget *widget, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void UseLabelColour(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(kPanelLabelColour));
    label->setPalette(palette);
    QFont font = label->font();
    font.setPixelSize(kPanelLabelPixelSize);
    label->setFont(font);
}

int NumberCount(const PortNumberLabelLayout &label)
{
    return label.LastPort < label.FirstPort ? 0 : (label.LastPort - label.FirstPort) / 2 + 1;
}

// Every number of a port-number label, each centred over its port column.
QPixmap PortNumbersPicture(const PortNumberLabelLayout &label, const QFont &font)
{
    const int count = NumberCount(label);
    const QSize size(qMax(1, count * kPortColumnPitch), 12);
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(kPanelLabelColour));
    for (int k = 0; k < count; ++k) {
        const QRect cell = PortNumberCell(label, k).translated(-label.Pos);
        painter.drawText(cell, Qt::AlignCenter, QString::number(label.FirstPort + 2 * k));
    }
    return picture;
}

} // namespace

TPanelForm::TPanelForm(const PanelLayout &layout, PanelHost &host, QWidget *parent)
    : QWidget(parent), layout_(layout), host_(host)
{
    setObjectName(QString::fromLatin1(layout.FormName));
    // Sizes and positions are pixels of the pictures, whatever the screen.
    setFixedSize(layout.WindowSize);
    FillBackground(this, kPanelEdgeColour);
    // Later children lie above earlier ones: picture, slots and bay, LEDs,
    // labels, and the port buttons on top.
    BuildPicture();
    BuildSlots();
    BuildBay();
    BuildLedPanels();
    BuildShapes();
    BuildStackPicture();
    BuildTextLabels();
    BuildNumberLabels();
    BuildPortButtons();
}

TPanelForm::~TPanelForm()
{
    if (!LedBinding)
        return;
    LedBinding->Request.Enabled = false;
    WaitUntilLedsIdle();
    LedBinding.reset();
}

void TPanelForm::WaitUntilLedsIdle()
{
    KtBusyWait::WhileBusy(LedBinding);
}

void TPanelForm::BuildPicture()
{
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("PanelImage"));
    picture->setGeometry(layout_.PictureRect);
    picture->setPixmap(QPixmap::fromImage(KtJpegImage::Load(QString::fromLatin1(layout_.PicturePath))));
}

void TPanelForm::BuildSlots()
{
    for (const SlotLayout &slot : layout_.Slots) {
        auto *frame = new QFrame(this);
        frame->setObjectName(QString::fromLatin1(slot.Name));
        frame->setGeometry(slot.Rect);
        FillBackground(frame, kEmptySlotColour);
        slotFrames_.append(frame);
    }
}

void TPanelForm::BuildBay()
{
    if (!layout_.Bay)
        return;
    bayFrame_ = new QFrame(this);
    bayFrame_->setObjectName(QString::fromLatin1(layout_.Bay->Name));
    bayFrame_->setGeometry(layout_.Bay->Rect);
    bayContent_ = new TPanelForm(*layout_.Bay->Content, host_, bayFrame_);
    bayContent_->setObjectName(QStringLiteral("BayContent"));
    bayContent_->DockInto(bayFrame_);
}

void TPanelForm::BuildLedPanels()
{
    for (const auto &panels : {layout_.StatusLeds, layout_.PortLeds}) {
        for (const LedPanelLayout &panel : panels) {
            // Unfilled, so the picture's LED windows show through.
            auto *frame = new QFrame(this);
            frame->setObjectName(QString::fromLatin1(panel.Name));
            frame->setGeometry(panel.Rect);
            ledPanels_.append(frame);
        }
    }
}

void TPanelForm::BuildShapes()
{
    for (const LedShapeLayout &layout : layout_.Shapes) {
        auto *shape = new KtLedShape(this);
        shape->setObjectName(QString::fromLatin1(layout.Name));
        shape->setGeometry(layout.Rect);
        shape->SetColors(Qt::black, Qt::black);
        shapes_.append(shape);
    }
}

void TPanelForm::BuildStackPicture()
{
    if (!layout_.Stack)
        return;
    auto *panel = new QFrame(this);
    panel->setObjectName(QString::fromLatin1(layout_.Stack->PanelName));
    panel->setGeometry(QRect(layout_.Stack->Pos, kStackPanelSize));
    stackImage_ = new QLabel(panel);
    stackImage_->setObjectName(QString::fromLatin1(layout_.Stack->ImageName));
    stackImage_->setGeometry(kStackImageRect);
}

void TPanelForm::BuildTextLabels()
{
    for (const TextLabelLayout &layout : layout_.TextLabels) {
        auto *label = new QLabel(QString::fromLatin1(layout.Text), this);
        label->setObjectName(QString::fromLatin1(layout.Name));
        label->move(layout.Pos);
        UseLabelColour(label);
        label->adjustSize();
    }
}

void TPanelForm::BuildNumberLabels()
{
    for (const PortNumberLabelLayout &layout : layout_.NumberLabels) {
        auto *label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(layout.Name));
        UseLabelColour(label);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setPixmap(PortNumbersPicture(layout, label->font()));
        label->setGeometry(layout.Pos.x(), layout.Pos.y(), PortNumberLabelWidth(layout, MaxPortsPerUnit), 12);
    }
}

void TPanelForm::BuildPortButtons()
{
    for (const PortButton &layout : PortButtonsOf(layout_))
        buttons_.append(new KtPortButton(layout, this));
}

void TPanelForm::DockInto(QWidget *holder)
{
    setParent(holder);
    setFixedSize(holder->size());
    move(0, 0);
    show();
}

int TPanelForm::PortTag(int port) const
{
    // A stand-alone gigabit unit reports unit 15 and numbers its ports alone.
    if (HasSlots() && Unit == 15)
        return port;
    return Unit * MaxPortsPerUnit + port;
}

void TPanelForm::SetUpLeds()
{
    try {
        LedBinding = std::make_unique<KtSNMPRequest2Leds>(this);
        KtSNMPRequest &request = LedBinding->Request;
        request.Vars = KtSNMPVarList(LedStatusVars, ListRow);
        request.Vars.Instance = QString::number(Unit);
        request.TimeOut = LedTimeOut;
        AddLedsOf(*this, layout_.ShapeBytes);
        if (bayContent_)
            AddLedsOf(*bayContent_, nullptr);
        if (QLabel *status = host_.StatusPanel())
            LedBinding->SetStatusPanel(status);
        request.Vars.Caption = LedStatusCaption;
        if (!HasSlots())
            LedBinding->StartPolling(LedPollPeriod);
    } catch (const KtException &error) {
        // The panel works without live LEDs; the status line says why.
        if (QLabel *status = host_.StatusPanel())
            status->setText(error.Message);
    }
}

void TPanelForm::AddLedsOf(TPanelForm &form, const char *shapeBytes)
{
    const auto statusCount = qsizetype(form.layout_.StatusLeds.size());
    for (qsizetype i = 0; i < form.ledPanels_.size(); ++i) {
        const LedPanelLayout &panel =
            i < statusCount ? form.layout_.StatusLeds[i] : form.layout_.PortLeds[i - statusCount];
        for (const LedRowLayout &row : panel.Rows) {
            if (row.Bytes)
                LedBinding->CreateLedRow(0, QString::fromLatin1(row.Bytes), ColorMapOf(panel.Colours),
                                         form.ledPanels_[i], row.Start, panel.Gap, KtLedShape::Rectangle,
                                         panel.LedSize.width(), panel.LedSize.height());
        }
    }
    if (shapeBytes)
        LedBinding->AddLeds(0, QString::fromLatin1(shapeBytes), PanelLedColors(), form.shapes_);
}

void TPanelForm::StartLedPolling()
{
    if (!LedBinding)
        return;
    try {
        LedBinding->StartPolling(LedPollPeriod);
    } catch (const KtException &error) {
        LedBinding->ShowStatus(error.Message);
    }
}

TPanelForm *TPanelForm::AttachSlotModule(int slot, const PanelLayout &module)
{
    if (slot < 1 || slot > slotFrames_.size())
        return nullptr;
    const SlotLayout &layout = layout_.Slots[slot - 1];
    auto *form = new TPanelForm(module, host_, slotFrames_[slot - 1]);
    form->Unit = Unit;
    form->DockInto(slotFrames_[slot - 1]);
    slotModules_[slot - 1] = form;
    // The module numbers its ports 1 to 4; on the unit they follow the slot.
    for (KtPortButton *button : form->buttons_)
        button->Port += layout.FirstPort - 1;
    TagAndAdd(form->buttons_);
    if (LedBinding)
        LedBinding->AddLeds(0, QString::fromLatin1(layout.LedBytes), PanelLedColors(), form->shapes_);
    return form;
}

TPanelForm *TPanelForm::AttachBayModule(const PanelLayout &module)
{
    if (!bayFrame_)
        return nullptr;
    auto *form = new TPanelForm(module, host_, bayFrame_);
    form->Unit = Unit;
    form->DockInto(bayFrame_);
    form->raise();
    bayModule_ = form;
    if (LedBinding)
        AddLedsOf(*form, nullptr);
    return form;
}

void TPanelForm::TagAndAdd(const QList<KtPortButton *> &buttons)
{
    for (KtPortButton *button : buttons) {
        button->Tag = PortTag(button->Port);
        host_.AddPortButton(button);
    }
}

void TPanelForm::SetPortTags()
{
    if (IsGeneric()) {
        for (KtPortButton *button : buttons_) {
            button->Tag = PortTag(button->Port);
            if (button->Port <= PortCount)
                host_.AddPortButton(button);
        }
        return;
    }
    TagAndAdd(buttons_);
    if (bayFrame_)
        TagAndAdd((bayModule_ ? bayModule_ : bayContent_)->buttons_);
}

void TPanelForm::SetPortCount(int count)
{
    PortCount = count;
    for (KtPortButton *button : buttons_)
        button->setVisible(button->Port <= count);
    for (const PortNumberLabelLayout &layout : layout_.NumberLabels) {
        auto *label = findChild<QLabel *>(QString::fromLatin1(layout.Name), Qt::FindDirectChildrenOnly);
        if (!label)
            continue;
        if (layout.WidthFollowsPortCount)
            label->resize(PortNumberLabelWidth(layout, count), label->height());
        label->setVisible(PortNumbersShown(layout, count) > 0);
    }
}

void TPanelForm::ShowModelText(const QString &text)
{
    for (const TextLabelLayout &layout : layout_.TextLabels) {
        if (auto *label = findChild<QLabel *>(QString::fromLatin1(layout.Name), Qt::FindDirectChildrenOnly)) {
            label->setText(text);
            label->adjustSize();
        }
    }
}

QLabel *TPanelForm::StackImage() const
{
    if (stackImage_)
        return stackImage_;
    return bayContent_ ? bayContent_->stackImage_ : nullptr;
}

void TPanelForm::SetStackPicture()
{
    QLabel *image = StackImage();
    if (!image)
        return;
    stackPictureIndex_ = StackPictureIndexFor(Unit);
    image->setPixmap(host_.StackPicture(stackPictureIndex_));
}

QList<KtPortButton *> TPanelForm::PortButtons() const
{
    QList<KtPortButton *> buttons = buttons_;
    for (const TPanelForm *module : slotModules_)
        if (module)
            buttons += module->buttons_;
    if (bayFrame_)
        buttons += (bayModule_ ? bayModule_ : bayContent_)->buttons_;
    return buttons;
}

KtPortButton *TPanelForm::PortButtonOf(int port) const
{
    for (KtPortButton *button : PortButtons())
        if (button->Port == port)
            return button;
    return nullptr;
}

TPanelForm *TPanelForm::SlotModule(int slot) const
{
    return slot >= 1 && slot <= 2 ? slotModules_[slot - 1] : nullptr;
}
