#include "imaging/FileExtension.h"

#include <gtest/gtest.h>

TEST(FileExtension, TakesTextAfterLastDotLowered)
{
    EXPECT_EQ(FileExtension("C:\\Pictures\\PHOTO.JPG"), "jpg");
    EXPECT_EQ(FileExtension("archive.tar.gz"), "gz");
    EXPECT_EQ(FileExtension("C:\\a.b\\c"), "b\\c");
    EXPECT_EQ(FileExtension("name."), "");
    EXPECT_EQ(FileExtension("C:\\no\\dot"), "");
    EXPECT_EQ(FileExtension(""), "");
}

TEST(FileExtension, LeavesMultibyteBytesAlone)
{
    // "ＪＰＧ" in code page 932: the trail bytes 0x69/0x6F... must not be touched,
    // and lead bytes are not ASCII letters.
    const std::string name = "x.\x82\x69\x82\x6f\x82\x66";
    EXPECT_EQ(FileExtension(name), "\x82\x69\x82\x6f\x82\x66");
    // A second byte in A-Z is part of its character, not a letter.
    EXPECT_EQ(FileExtension("x.\x82\x41"), "\x82\x41");
    EXPECT_EQ(FileExtension("x.\x83\x5CPNG"), "\x83\x5Cpng");
}

TEST(FileExtension, LongExtensionIsNeverCutToAKnownType)
{
    EXPECT_EQ(FileExtension("clip.download"), "download");
    EXPECT_EQ(FileExtension("a.jpgjpgjpg"), "jpgjpgjpg");
    EXPECT_FALSE(IsBuiltInImage("a.jpgjpgjpg"));
    EXPECT_FALSE(IsBuiltInImage("a.spiderman"));
}

TEST(IsBuiltInImage, ExactlyJpgJpegBmpGifInAnyCase)
{
    EXPECT_TRUE(IsBuiltInImage("C:\\Pictures\\PHOTO.JPG"));
    EXPECT_TRUE(IsBuiltInImage("photo.Bmp"));
    EXPECT_TRUE(IsBuiltInImage("anim.gif"));
    EXPECT_TRUE(IsBuiltInImage("photo.JPEG"));
    EXPECT_FALSE(IsBuiltInImage("photo.jpe"));
    EXPECT_FALSE(IsBuiltInImage("photo.png"));
    EXPECT_FALSE(IsBuiltInImage("jpg"));
    EXPECT_TRUE(IsBuiltInImage("photos.jpg"));
    // libjpeg-turbo takes the two JPEG names; bmp and gif stay with the picture service.
    EXPECT_TRUE(IsJpegImage("photo.jpeg") && IsJpegImage("PHOTO.JPG"));
    EXPECT_FALSE(IsJpegImage("photo.bmp") || IsJpegImage("photo.gif") || IsJpegImage("a.jpe"));
}
