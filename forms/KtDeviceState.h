#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QPlainTextEdit;
class QTreeWidget;
class QWidget;

// One unit of the stack whose unit table row holds numbers where they are
// needed: its identifier and port count. StartPort is -1 where the row holds
// no number for it.
struct KtStackUnit
{
    int Id = 0;
    int StartPort = -1;
    int PortCount = 0;
    QString ModuleName;

    bool operator==(const KtStackUnit &) const = default;
};

// What the module knows of the switch as a whole, for every window: the rows
// of the unit and port tables (cells as a list view shows them, the first
// column first), the spanning-tree version and the RMON state. The main
// window owns it and fills it from its reads; windows receive it when they
// are made, read it, and the spanning-tree window writes the version the
// switch took. `changed` follows every change.
class KtDeviceState : public QObject
{
    Q_OBJECT
public:
    using Rows = QList<QStringList>;

    explicit KtDeviceState(QObject *parent = nullptr);

    const Rows &UnitRows() const { return unitRows_; }
    void SetUnitRows(const Rows &rows);
    const Rows &PortRows() const { return portRows_; }
    void SetPortRows(const Rows &rows);
    // The units present: the unit rows whose identifier and port count are
    // numbers, in table order.
    QList<KtStackUnit> Units() const;

    QString StpVersion() const { return stpVersion_; }
    void SetStpVersion(const QString &version);
    QString RmonState() const { return rmonState_; }
    void SetRmonState(const QString &state);

    // Reads the unit table afresh for a window that finds no unit: a
    // blocking read for `owner`, a failure reported into `memo` (when there
    // is one). A test that wants no read replaces it.
    std::function<void(KtDeviceState &state, QWidget *owner, QPlainTextEdit *memo)> ReadUnitTable =
        &KtDeviceState::ReadUnitTableFromSwitch;

    // The rows of a list view, each as its cells.
    static Rows RowsOf(const QTreeWidget &list);

signals:
    void changed();

private:
    template <class Value> void Store(Value &field, const Value &value)
    {
        field = value;
        emit changed();
    }
    static void ReadUnitTableFromSwitch(KtDeviceState &state, QWidget *owner, QPlainTextEdit *memo);

    Rows unitRows_;
    Rows portRows_;
    QString stpVersion_;
    QString rmonState_;
};
