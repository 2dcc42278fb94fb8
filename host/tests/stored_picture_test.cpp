// The texture bitmap file the saver writes, against the cloud picture it comes from, and
// the pictures every reader of the bitmap file refuses.
#include "host/stored_picture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <new>

namespace {

std::string ReadAsset(const std::string& name) {
    std::ifstream in(std::string(VQ_SOURCE_DIR) + "/assets/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t Le32(const std::string& b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
           uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}
uint16_t Le16(const std::string& b, size_t at) {
    return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8);
}

TEST(TextureFile, CloudPictureIsWrittenFieldByFieldAndPixelForPixel) {
    const std::string asset = ReadAsset("cloud.bmp");
    ASSERT_FALSE(asset.empty()) << "assets/cloud.bmp is missing";
    const auto picture = host::PictureFromBitmapFile(asset);
    ASSERT_TRUE(picture.has_value());
    const std::string file = host::BitmapFileOf(*picture);

    ASSERT_EQ(file.size(), 49206u);
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(Le32(file, 2), 49206u);
    EXPECT_EQ(Le16(file, 6), 0u);
    EXPECT_EQ(Le16(file, 8), 0u);
    EXPECT_EQ(Le32(file, 10), 54u);
    EXPECT_EQ(Le32(file, 14), 40u);
    EXPECT_EQ(Le32(file, 18), 128u);
    EXPECT_EQ(Le32(file, 22), 128u);  // positive: bottom-up
    EXPECT_EQ(Le16(file, 26), 1u);
    EXPECT_EQ(Le16(file, 28), 24u);
    EXPECT_EQ(Le32(file, 30), 0u);
    EXPECT_EQ(Le32(file, 34), 49152u);
    for (size_t at : {38u, 42u, 46u, 50u}) EXPECT_EQ(Le32(file, at), 0u) << at;
    // The pixels are the picture's own, in the same order (bottom row first).
    EXPECT_EQ(file.substr(54), asset.substr(Le32(asset, 10), 49152));
}

TEST(TextureFile, PaddedRowsRoundTrip) {
    host::StoredPicture picture;
    picture.width = 3;  // 9 bytes of pixels, padded to 12
    picture.height = 2;
    for (int i = 0; i < 24; ++i) picture.bgrRowsBottomUp.push_back(static_cast<uint8_t>(i));
    const auto back = host::PictureFromBitmapFile(host::BitmapFileOf(picture));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->bgrRowsBottomUp, picture.bgrRowsBottomUp);
}

TEST(TextureFile, DamagedOrForeignPicturesAreRefused) {
    host::StoredPicture picture;
    picture.width = 4;
    picture.height = 4;
    picture.bgrRowsBottomUp.assign(48, 0x80);
    const std::string good = host::BitmapFileOf(picture);
    ASSERT_TRUE(host::PictureFromBitmapFile(good).has_value());

    EXPECT_FALSE(host::PictureFromBitmapFile(good.substr(0, good.size() - 1)).has_value());
    EXPECT_FALSE(host::PictureFromBitmapFile(good.substr(0, 20)).has_value());
    std::string notBm = good;
    notBm[0] = 'X';
    EXPECT_FALSE(host::PictureFromBitmapFile(notBm).has_value());
    std::string eightBit = good;
    eightBit[28] = 8;
    EXPECT_FALSE(host::PictureFromBitmapFile(eightBit).has_value());
    std::string huge = good;
    huge[21] = 0x7F;  // width near 2^31
    EXPECT_FALSE(host::PictureFromBitmapFile(huge).has_value());
    std::string pastEnd = good;
    pastEnd[13] = 0x7F;  // pixel offset far beyond the file
    EXPECT_FALSE(host::PictureFromBitmapFile(pastEnd).has_value());
}

// The renderer's rules hold for stored pictures too: a header any reader refuses is refused
// here, however much data follows.
struct HeaderCase {
    const char* name;
    size_t at;
    std::string bytes;  // little-endian, written over the good file's header at `at`
};

class StoredPictureHeaders : public testing::TestWithParam<HeaderCase> {};

TEST_P(StoredPictureHeaders, AreRefusedAsTheRendererRefusesThem) {
    host::StoredPicture picture;
    picture.width = 4;
    picture.height = 4;
    picture.bgrRowsBottomUp.assign(48, 0x80);
    std::string file = host::BitmapFileOf(picture);
    file.append(size_t{4097} * 16, '\0');  // room for the widest rows claimed below
    file.replace(GetParam().at, GetParam().bytes.size(), GetParam().bytes);
    EXPECT_FALSE(host::PictureFromBitmapFile(file).has_value());
}

INSTANTIATE_TEST_SUITE_P(Rules, StoredPictureHeaders, testing::Values(
    HeaderCase{"WiderThanTheSideCap", 18, std::string("\x01\x10\0\0", 4)},
    HeaderCase{"TallerThanTheSideCap", 22, std::string("\x01\x10\0\0", 4)},
    HeaderCase{"ZeroWidth", 18, std::string("\0\0\0\0", 4)},
    HeaderCase{"TopDownRows", 22, std::string("\xFC\xFF\xFF\xFF", 4)},
    HeaderCase{"ThirtyTwoBit", 28, std::string("\x20\0", 2)},
    HeaderCase{"Compressed", 30, std::string("\x01\0\0\0", 4)}),
    [](const auto& info) { return std::string(info.param.name); });

void NoMemoryForPixels(std::vector<uint8_t>&, size_t) { throw std::bad_alloc(); }

TEST(TextureFile, PixelsThatCannotBeHeldAreRefusedWithoutAnException) {
    const std::string asset = ReadAsset("cloud.bmp");
    ASSERT_FALSE(asset.empty());
    EXPECT_FALSE(host::PictureFromBitmapFile(asset, &NoMemoryForPixels).has_value());
}

TEST(TextureFile, APictureTooLargeForAnyReaderHasNoFile) {
    host::StoredPicture picture;
    picture.width = 4097;
    picture.height = 1;
    picture.bgrRowsBottomUp.assign(4097 * 3 + 1, 0x80);
    EXPECT_TRUE(host::BitmapFileOf(picture).empty());
}

}  // namespace
