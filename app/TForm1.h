#pragma once

#include <QWidget>

// The hidden auxiliary form. Two windows that must not refresh or set while
// a read is outstanding keep their idle flags here.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    static TForm1 *Instance();

    bool RefreshIdle = true;
    bool SetIdle = true;
};
