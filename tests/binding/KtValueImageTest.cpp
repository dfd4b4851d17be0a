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
    EXPECT_EQ(CodeOf([&] { KtControlForms::Show(binding, {}, QByteArray("\x80", 1)); }), -519);
}

} // namespace
