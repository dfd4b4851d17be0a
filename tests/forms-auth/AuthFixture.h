#pragma once

// A simulator of its own for every test (they all change tables), and the
// agent's view of single cells through snmpget.
#include "../guiconfig/GuiConfigFixture.h"

#include <QTreeWidget>

namespace auth_test {

using namespace guiconfig_test;

// The instance of a text index: its length, then its characters.
inline QString TextIndex(const QString &text)
{
    QStringList parts{QString::number(text.size())};
    for (QChar c : text)
        parts << QString::number(c.unicode());
    return parts.join('.');
}

class AuthTest : public SimTest
{
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        own_ = std::make_unique<QgSimProcess>(QStringList{"--static-leds"});
        ASSERT_TRUE(own_->Start()) << own_->StandardError().toStdString();
        PointDefaultsAt(own_->Port());
    }
    void TearDown() override
    {
        own_.reset();
        SimTest::TearDown();
    }
    // The agent's value of one cell, enumerations by number, texts without
    // quotes; empty when the agent has no such object.
    QString Cell(const QString &oid) const
    {
        const QString out =
            RunTool(QStringLiteral("snmpget"), {"-v2c", "-c", "public", "-Oqv", "-Oe", own_->Address(), oid})
                .trimmed();
        if (out.startsWith(QLatin1String("No Such")))
            return {};
        return out.startsWith('"') && out.endsWith('"') ? out.mid(1, out.size() - 2) : out;
    }
    bool RowExists(const QString &statusOid) const { return !Cell(statusOid).isEmpty(); }
    static QStringList Captions(const QTreeWidget *list)
    {
        QStringList captions;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            captions << list->topLevelItem(row)->text(0);
        return captions;
    }
    static void Select(QTreeWidget *list, const QString &caption)
    {
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            if (list->topLevelItem(row)->text(0) == caption) {
                list->setCurrentItem(list->topLevelItem(row));
                return;
            }
        ADD_FAILURE() << "no row " << caption.toStdString();
    }

    std::unique_ptr<QgSimProcess> own_;
};

} // namespace auth_test
