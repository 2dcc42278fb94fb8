// Bitmap reading: the files the front end writes, the edges of the format, and hostile
// headers that must never lead to a read outside the returned buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <random>

#include "renderer/bmp_decode.h"

namespace {

using renderer::BitmapOutcome;
using renderer::RejectReason;

struct BmpFields {
    int32_t width = 4;
    int32_t height = 2;
    uint16_t bitsPerPixel = 24;
    uint32_t compression = 0;
    uint32_t sizeImage = 24;
    uint32_t coloursUsed = 0;
    char signature[2] = {'B', 'M'};
};

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

std::vector<uint8_t> Headers(const BmpFields& f) {
    std::vector<uint8_t> b;
    b.push_back(static_cast<uint8_t>(f.signature[0]));
    b.push_back(static_cast<uint8_t>(f.signature[1]));
    PutLe(b, 0, 4);  // file size: not examined
    PutLe(b, 0, 4);
    PutLe(b, 54, 4);
    PutLe(b, 40, 4);
    PutLe(b, static_cast<uint32_t>(f.width), 4);
    PutLe(b, static_cast<uint32_t>(f.height), 4);
    PutLe(b, 1, 2);
    PutLe(b, f.bitsPerPixel, 2);
    PutLe(b, f.compression, 4);
    PutLe(b, f.sizeImage, 4);
    PutLe(b, 0, 4);
    PutLe(b, 0, 4);
    PutLe(b, f.coloursUsed, 4);
    PutLe(b, 0, 4);
    return b;
}

// Pixel bytes 1, 2, 3, ... so every byte's place is visible.
std::vector<uint8_t> Counting(size_t count) {
    std::vector<uint8_t> v(count);
    for (size_t i = 0; i < count; ++i) v[i] = static_cast<uint8_t>(i + 1);
    return v;
}

renderer::BitmapRead Read(const std::vector<uint8_t>& file) {
    renderer::MemorySource source(file.data(), file.size());
    return renderer::ReadBitmap(source);
}

std::vector<uint8_t> FileOf(const BmpFields& f, const std::vector<uint8_t>& pixels) {
    auto file = Headers(f);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

TEST(BitmapRead, FrontEndTextureLoadsInRgbOrderWithTheBottomRowFirst) {
    BmpFields f;
    f.width = 128;
    f.height = 128;
    f.sizeImage = 49152;
    auto pixels = Counting(49152);
    const auto read = Read(FileOf(f, pixels));
    ASSERT_EQ(read.outcome, BitmapOutcome::Loaded);
    EXPECT_EQ(read.width, 128);
    EXPECT_EQ(read.height, 128);
    ASSERT_EQ(read.pixels.size(), 49152u);
    for (size_t n = 0; n < 128 * 128; ++n) std::swap(pixels[3 * n], pixels[3 * n + 2]);
    EXPECT_EQ(read.pixels, pixels);  // the file's first row stays first: texture row 0

    f.sizeImage = 0;
    EXPECT_EQ(Read(FileOf(f, Counting(49152))).pixels, read.pixels) << "size 0 means width * height * 3";
    f.signature[0] = 'X';
    f.signature[1] = 'Y';
    EXPECT_EQ(Read(FileOf(f, Counting(49152))).pixels, read.pixels) << "the signature is not examined";
}

TEST(BitmapRead, DataCutShortIsKeptUnswappedAndZeroFilled) {
    BmpFields f;  // 4 x 2, 24 bytes announced
    const auto read = Read(FileOf(f, Counting(10)));
    ASSERT_EQ(read.outcome, BitmapOutcome::PixelDataShort);
    ASSERT_EQ(read.pixels.size(), 24u);
    std::vector<uint8_t> expected = Counting(10);
    expected.resize(24, 0);
    EXPECT_EQ(read.pixels, expected);
}

TEST(BitmapRead, AnnouncedColourTableIsSkippedOrReportedShort) {
    BmpFields f;
    f.coloursUsed = 2;
    auto file = Headers(f);
    file.insert(file.end(), 8, 0xEE);  // two four-byte entries
    const auto pixels = Counting(24);
    file.insert(file.end(), pixels.begin(), pixels.end());
    const auto read = Read(file);
    ASSERT_EQ(read.outcome, BitmapOutcome::Loaded);
    EXPECT_EQ(read.pixels[1], 2) << "pixels start after the table";

    auto cut = Headers(f);
    cut.insert(cut.end(), 5, 0xEE);
    EXPECT_EQ(Read(cut).outcome, BitmapOutcome::PaletteShort);
    EXPECT_FALSE(Read(cut).HasData());
}

// Sizes that leave the announced data smaller than what the upload reads: the buffer still
// covers every padded row, with zeros where the file had nothing.
struct PaddingCase {
    const char* name;
    int32_t width, height;
    uint32_t sizeImage;
    size_t bytesInFile;
    BitmapOutcome outcome;
    size_t uploadBytes;
};

class BitmapPadding : public testing::TestWithParam<PaddingCase> {};

TEST_P(BitmapPadding, BufferCoversTheUpload) {
    const PaddingCase& c = GetParam();
    BmpFields f;
    f.width = c.width;
    f.height = c.height;
    f.sizeImage = c.sizeImage;
    const auto read = Read(FileOf(f, Counting(c.bytesInFile)));
    ASSERT_EQ(read.outcome, c.outcome);
    EXPECT_EQ(common::bitmap_file::PaddedRowsBytes(c.width, c.height), c.uploadBytes);
    ASSERT_GE(read.pixels.size(), c.uploadBytes);
    const size_t fromFile = std::min<size_t>(c.bytesInFile, c.sizeImage ? c.sizeImage : size_t(c.width) * c.height * 3);
    for (size_t i = fromFile; i < read.pixels.size(); ++i) ASSERT_EQ(read.pixels[i], 0) << "byte " << i;
}

INSTANTIATE_TEST_SUITE_P(Sizes, BitmapPadding, testing::Values(
    PaddingCase{"WidthThreeSizeZero", 3, 3, 0, 27, BitmapOutcome::Loaded, 36},
    PaddingCase{"WidthThreeWithPadding", 3, 3, 36, 36, BitmapOutcome::Loaded, 36},
    PaddingCase{"SizeImageSmallerThanRows", 8, 8, 10, 10, BitmapOutcome::Loaded, 192},
    PaddingCase{"SizeImageLargerThanRows", 4, 1, 100, 100, BitmapOutcome::Loaded, 12},
    PaddingCase{"SizeImageLargerThanTheFile", 4, 1, 100, 50, BitmapOutcome::PixelDataShort, 12},
    PaddingCase{"OnePixel", 1, 1, 0, 3, BitmapOutcome::Loaded, 4}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectCase {
    const char* name;
    BmpFields fields;
    RejectReason reason;
};

BmpFields With(void (*change)(BmpFields&)) {
    BmpFields f;
    change(f);
    return f;
}

class BitmapRejects : public testing::TestWithParam<RejectCase> {};

TEST_P(BitmapRejects, YieldsNoData) {
    const auto read = Read(FileOf(GetParam().fields, Counting(4096)));
    EXPECT_EQ(read.outcome, BitmapOutcome::Rejected);
    EXPECT_EQ(read.reason, GetParam().reason);
    EXPECT_TRUE(read.pixels.empty());
}

INSTANTIATE_TEST_SUITE_P(Headers, BitmapRejects, testing::Values(
    RejectCase{"ZeroWidth", With([](BmpFields& f) { f.width = 0; }), RejectReason::SizeNotPositive},
    RejectCase{"TopDownRows", With([](BmpFields& f) { f.height = -2; }), RejectReason::SizeNotPositive},
    RejectCase{"MostNegativeWidth", With([](BmpFields& f) { f.width = INT32_MIN; }), RejectReason::SizeNotPositive},
    RejectCase{"ThirtyTwoBit", With([](BmpFields& f) { f.bitsPerPixel = 32; }), RejectReason::NotTwentyFourBit},
    RejectCase{"ZeroBits", With([](BmpFields& f) { f.bitsPerPixel = 0; f.sizeImage = 0; }), RejectReason::NotTwentyFourBit},
    RejectCase{"Compressed", With([](BmpFields& f) { f.compression = 1; }), RejectReason::Compressed},
    RejectCase{"HugeWidth", With([](BmpFields& f) { f.width = 8193; }), RejectReason::TooLarge},
    RejectCase{"JustPastTheSideCap", With([](BmpFields& f) { f.height = 4097; }), RejectReason::TooLarge},
    RejectCase{"SizeOverflowing32Bits", With([](BmpFields& f) { f.width = 0x10000; f.height = 0x10000; f.sizeImage = 0; }), RejectReason::TooLarge},
    RejectCase{"LargestInt", With([](BmpFields& f) { f.height = INT32_MAX; }), RejectReason::TooLarge}),
    [](const auto& info) { return std::string(info.param.name); });

// Memory that runs out while the pixel buffer is made: the file is refused like any other
// it cannot read (the user sees "Unable to load"), and no exception leaves the reader.
void AtMostOneMiB(std::vector<uint8_t>& pixels, size_t bytes) {
    if (bytes > (size_t{1} << 20)) throw std::bad_alloc();
    common::bitmap_file::ZeroFilledPixels(pixels, bytes);
}

TEST(BitmapRead, BufferThatCannotBeHadIsRefused) {
    BmpFields big;
    big.width = 4096;
    big.height = 4096;
    big.sizeImage = 0;
    const auto bigFile = FileOf(big, Counting(4096));
    renderer::MemorySource bigSource(bigFile.data(), bigFile.size());
    const auto refused = renderer::ReadBitmap(bigSource, &AtMostOneMiB);
    EXPECT_EQ(refused.outcome, BitmapOutcome::Rejected);
    EXPECT_EQ(refused.reason, RejectReason::OutOfMemory);
    EXPECT_TRUE(refused.pixels.empty());

    const auto smallFile = FileOf(BmpFields{}, Counting(24));
    renderer::MemorySource smallSource(smallFile.data(), smallFile.size());
    EXPECT_EQ(renderer::ReadBitmap(smallSource, &AtMostOneMiB).outcome, BitmapOutcome::Loaded);
}

TEST(BitmapRead, HeadersCutShortYieldNoData) {
    const auto full = FileOf(BmpFields{}, Counting(24));
    for (size_t length : {size_t{0}, size_t{2}, size_t{14}, size_t{53}}) {
        const std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        const auto read = Read(cut);
        EXPECT_EQ(read.reason, RejectReason::HeadersShort) << length;
        EXPECT_FALSE(read.HasData()) << length;
    }
}

// What the upload must show for a file whose pixel bytes (after any colour table) are
// `data`: those bytes as far as the headers announce them and the file holds them, then
// zeros. Blue and red may have traded places, so only the sum of each three-byte group is
// compared; it changes when a byte lands elsewhere or an unwritten byte shows.
std::vector<unsigned> GroupSums(const uint8_t* bytes, size_t count) {
    std::vector<unsigned> sums((count + 2) / 3, 0);
    for (size_t i = 0; i < count; ++i) sums[i / 3] += bytes[i];
    return sums;
}

// Random headers within and around the limits, random amounts of data: whatever comes back
// either has no data or covers the whole upload with what the file held and zeros. Every
// byte of the upload is read into the comparison (and under ASan, inside the buffer).
TEST(BitmapRead, HostileHeadersStayInsideTheBuffer) {
    std::mt19937 random(20261207);
    const int32_t sides[] = {-1, 0, 1, 2, 3, 5, 127, 128, 1000, 8192, 8193, INT32_MAX, INT32_MIN};
    const uint32_t sizes[] = {0, 1, 3, 11, 48, 49152, 0x7FFFFFFF, 0xFFFFFFFF};
    const uint16_t bits[] = {0, 1, 8, 24, 32, 0xFFFF};
    int roundsWithData = 0;
    for (int round = 0; round < 400; ++round) {
        BmpFields f;
        f.width = sides[random() % std::size(sides)];
        f.height = sides[random() % 7];  // keep buffers small: at most 127 rows
        f.bitsPerPixel = bits[random() % std::size(bits)];
        f.sizeImage = sizes[random() % std::size(sizes)];
        f.compression = random() % 4 == 0 ? random() : 0;
        f.coloursUsed = random() % 5 == 0 ? random() % 16 : 0;
        const std::vector<uint8_t> afterHeaders = Counting(random() % 4096);
        const auto read = Read(FileOf(f, afterHeaders));
        if (!read.HasData()) {
            EXPECT_TRUE(read.pixels.empty());
            continue;
        }
        ++roundsWithData;
        const size_t upload = common::bitmap_file::PaddedRowsBytes(read.width, read.height);
        ASSERT_GE(read.pixels.size(), upload) << "round " << round;

        const size_t tableBytes = size_t{f.coloursUsed} * 4;
        const size_t announced = f.sizeImage != 0 ? f.sizeImage : size_t(f.width) * size_t(f.height) * 3;
        const size_t present = afterHeaders.size() > tableBytes ? afterHeaders.size() - tableBytes : 0;
        std::vector<uint8_t> expected(upload, 0);
        const size_t fromFile = std::min({announced, present, upload});
        std::copy_n(afterHeaders.begin() + static_cast<std::ptrdiff_t>(tableBytes), fromFile, expected.begin());
        ASSERT_EQ(GroupSums(read.pixels.data(), upload), GroupSums(expected.data(), upload))
            << "round " << round << ": " << f.width << " x " << f.height << ", " << afterHeaders.size() << " bytes";
    }
    EXPECT_GE(roundsWithData, 20) << "too few rounds reached the pixels to prove anything";
}

}  // namespace
