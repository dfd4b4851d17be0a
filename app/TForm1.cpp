#include "TForm1.h"

namespace {
TForm1 *instance = nullptr;
}

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    hide();
    instance = this;
}

TForm1 *TForm1::Instance()
{
    return instance;
}
