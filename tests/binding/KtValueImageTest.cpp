#include "KtValueImage.h"
#include "KtControlForms.h"
#include "KtException.h"

#include <QCheckBox>
#include <gtest/gtest.h>

namespace {

const int kAllCodes[] = {1,  2,  3,  4,  5,  6,  64,  65,  66,  67,  68,  69, 70,
                         71, 72, 73, 74, 75, 76, 193, 194, 195, 196, 197, 198};

int CodeOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const KtException &error) {
        return error.Code;
    }
    return 0;
}

TEST(KtValueImageTest, NullAndEmptyImages)
{
    for (int code : kAllCodes) {
        EXPECT_TRUE(EncodeValue("(NULL)", code).isEmpty()) << code;
        EXPECT_EQ(DecodeValue({}, code), code == 76 ? "" : "(NULL)") << code;
    }
    EXPECT_EQ(CodeOf([] { EncodeValue("1", 99); }), -511);
    EXPECT_EQ(CodeOf([] { DecodeValue("x", 99); }), -511);
}

TEST(KtValueImageTest, EncodingsAndDecodings)
{
    EXPECT_EQ(EncodeValue("ab c", 4), QByteArray("\x0a\xbc", 2));
    EXPECT_EQ(EncodeValue("true", 196), QByteArray("\x00\x01", 2));
    EXPECT_EQ(DecodeValue(QByteArray("\x01\x00", 2), 198), "256");
    EXPECT_EQ(DecodeValue(QByteArray("\xff", 1), 194), "-1");
    EXPECT_EQ(DecodeValue(QByteArray("\xff", 1), 195), "255");
    EXPECT_EQ(DecodeValue(EncodeValue("-7", 2), 2), "-7");
    EXPECT_EQ(DecodeValue(EncodeValue("10.1.2.3", 64), 64), "10.1.2.3");
    EXPECT_EQ(DecodeValue(EncodeValue("1.3.6.1.4", 6), 6), "1.3.6.1.4");
    EXPECT_EQ(DecodeValue(EncodeValue("18446744073709551615", 70), 70), "18446744073709551615");
    EXPECT_EQ(DecodeValue(QByteArray::fromHex("00d68300"), 67), "1 day 0:00:00.00");
    EXPECT_EQ(DecodeValue(EncodeValue("2 days, 0:00:00.01", 67), 67), "2 days, 0:00:00.01");
    EXPECT_EQ(CodeOf([] { DecodeValue("abc", 2); }), -518);
}

// Every numeric part kind refuses a number it cannot hold instead of keeping
// its low bits, and names the range it accepts; the edges still fit.
TEST(KtValueImageTest, NumbersThatDoNotFitTheirPartAreRefused)
{
    const struct
    {
        int code;
        const char *tooBig;
        const char *edge;
        QByteArray edgeImage;
        const char *range;
    } cases[] = {
        {64, "256.10.10.999", "255.0.0.255", QByteArray("\xff\0\0\xff", 4), "four numbers from 0 to 255"},
        {64, "300.1.2.3", "0.0.0.0", QByteArray(4, '\0'), "four numbers from 0 to 255"},
        {64, "10.1.1.300", "10.1.1.44", QByteArray("\x0a\x01\x01\x2c", 4), "four numbers from 0 to 255"},
        {69, "1.2.3.256", "1.2.3.255", QByteArray("\x01\x02\x03\xff", 4), "four numbers from 0 to 255"},
        {195, "256", "255", QByteArray(1, '\xff'), "from 0 to 255"},
        {195, "-1", "0", QByteArray(1, '\0'), "from 0 to 255"},
        {194, "128", "-128", QByteArray(1, '\x80'), "from -128 to 127"},
        {198, "70000", "65535", QByteArray(2, '\xff'), "from 0 to 65535"},
        {197, "65536", "0", QByteArray(2, '\0'), "from 0 to 65535"},
        {2, "2147483648", "-2147483648", QByteArray("\0\0\0\x80", 4), "from -2147483648 to 2147483647"},
        {65, "4294967296", "4294967295", QByteArray(4, '\xff'), "from 0 to 4294967295"},
        {66, "-1", "0", QByteArray(4, '\0'), "from 0 to 4294967295"},
        {71, "99999999999", "1", QByteArray("\x01\0\0\0", 4), "from 0 to 4294967295"},
    };
    for (const auto &test : cases) {
        SCOPED_TRACE(std::to_string(test.code) + " " + test.tooBig);
        QString message;
        try {
            EncodeValue(test.tooBig, test.code);
            ADD_FAILURE() << "no refusal";
        } catch (const KtException &error) {
            EXPECT_EQ(error.Code, -518);
            message = error.Message;
        }
        EXPECT_TRUE(message.contains(test.range)) << message.toStdString();
        EXPECT_EQ(EncodeValue(test.edge, test.code), test.edgeImage);
    }
}

TEST(KtValueImageTest, PartsOfImages)
{
    const QByteArray five("\x01\x02\x03\x04\x05", 5);
    EXPECT_EQ(CodeOf([&] { ExtractPart(five, 2, 2); }), -519);
    EXPECT_EQ(ExtractPart(five, 2, 4), QByteArray("\x03\x04\x05", 3));
    EXPECT_EQ(ExtractPart(five, 9, 4), QByteArray());
    EXPECT_EQ(ExtractPart(five, 1, 196), QByteArray("\x02\x03", 2));
    EXPECT_EQ(PatchPart(QByteArray("\x01", 1), 3, QByteArray("\x09", 1)), QByteArray("\x01\x00\x00\x09", 4));
    EXPECT_EQ(PatchPart(five, 1, QByteArray("\xaa", 1)), QByteArray("\x01\xaa\x03\x04\x05", 5));
}

TEST(KtControlFormsTest, CheckBoxGroupsWorkOnBits)
{
    QCheckBox first, second;
    KtControlBinding binding;
    binding.Syntax = 4;
    binding.Controls = {&first, &second};
    binding.BitNumbers = {0, 9};
    first.setChecked(true);
    second.setChecked(true);
    QByteArray image;
    KtControlForms::Collect(binding, &image);
    EXPECT_EQ(image, QByteArray("\x80\x40", 2));

    KtControlForms::Show(binding, {}, QByteArray("\x00\x40", 2));
    EXPECT_FALSE(first.isChecked());
    EXPECT_TRUE(second.isChecked());
    // A shorter value clears the boxes it does not reach: none keeps the
    // bit of the value shown before.
    KtControlForms::Show(binding, {}, QByteArray("\x80", 1));
    EXPECT_TRUE(first.isChecked());
    EXPECT_FALSE(second.isChecked());
    second.setChecked(true);
    KtControlForms::Show(binding, {}, QByteArray());
    EXPECT_FALSE(first.isChecked());
    EXPECT_FALSE(second.isChecked());
}

// A box that stands for an absent port shows no bit and writes none.
TEST(KtControlFormsTest, AbsentBoxesShowAndWriteNoBit)
{
    QCheckBox present, absent;
    absent.setProperty(KtControlForms::AbsentProperty, true);
    KtControlBinding binding;
    binding.Syntax = 4;
    binding.Controls = {&present, &absent};
    binding.BitNumbers = {0, 1};
    KtControlForms::Show(binding, {}, QByteArray("\xC0", 1));
    EXPECT_TRUE(present.isChecked());
    EXPECT_FALSE(absent.isChecked());
    absent.setChecked(true);
    QByteArray image;
    KtControlForms::Collect(binding, &image);
    EXPECT_EQ(image, QByteArray("\x80", 1));
}

} // namespace
