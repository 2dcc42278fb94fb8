// The committed preview picture has the form the front end's picture loader is promised (a
// baseline JFIF 1.01 JPEG, 8-bit, three components, 152 x 112), and still shows the renderer's
// first frame: compared with a fresh off-screen render, not byte for byte, since JPEG encoders
// differ between versions.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "assets/jpeg_codec.h"
#include "assets/preview_picture.h"

namespace {

std::vector<uint8_t> FileBytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

const std::vector<uint8_t>& CommittedPreview() {
    static const std::vector<uint8_t> bytes = FileBytes(COMMITTED_PREVIEW_JPG);
    return bytes;
}

const renderer::BitmapRead& CloudTexture() {
    static const renderer::BitmapRead cloud = preview::CloudTextureOf(FileBytes(COMMITTED_CLOUD_BMP));
    return cloud;
}

// --- The file's form, read from its markers -------------------------------------------------

struct Segment {
    uint8_t marker = 0;
    std::vector<uint8_t> body;  // after the two length bytes
};

// The marker segments from SOI up to the first scan; nothing when the bytes do not hold them.
std::optional<std::vector<Segment>> HeaderSegments(const std::vector<uint8_t>& file) {
    if (file.size() < 4 || file[0] != 0xFF || file[1] != 0xD8) return std::nullopt;
    std::vector<Segment> segments{{0xD8, {}}};
    size_t at = 2;
    while (at + 4 <= file.size()) {
        if (file[at] != 0xFF) return std::nullopt;
        const uint8_t marker = file[at + 1];
        const size_t length = (static_cast<size_t>(file[at + 2]) << 8) | file[at + 3];
        if (length < 2 || at + 2 + length > file.size()) return std::nullopt;
        segments.push_back({marker, std::vector<uint8_t>(file.begin() + static_cast<long>(at + 4),
                                                         file.begin() + static_cast<long>(at + 2 + length))});
        if (marker == 0xDA) return segments;  // start of scan: entropy-coded data follows
        at += 2 + length;
    }
    return std::nullopt;
}

uint16_t BigEndian(const std::vector<uint8_t>& body, size_t at) {
    return static_cast<uint16_t>((body[at] << 8) | body[at + 1]);
}

struct FormCase {
    const char* name;
    std::vector<uint8_t> (*file)();
};

class PreviewFileForm : public testing::TestWithParam<FormCase> {};

TEST_P(PreviewFileForm, IsABaselineJfifOfThePreviewSize) {
    const std::vector<uint8_t> file = GetParam().file();
    ASSERT_GE(file.size(), 2u);
    EXPECT_EQ(file[file.size() - 2], 0xFF);
    EXPECT_EQ(file[file.size() - 1], 0xD9) << "ends with EOI";
    const auto segments = HeaderSegments(file);
    ASSERT_TRUE(segments.has_value()) << "SOI and marker segments up to the scan";

    // APP0 "JFIF" 1.01 straight after SOI.
    ASSERT_GE(segments->size(), 2u);
    const Segment& app0 = (*segments)[1];
    ASSERT_EQ(app0.marker, 0xE0);
    ASSERT_GE(app0.body.size(), 7u);
    EXPECT_EQ(std::string(app0.body.begin(), app0.body.begin() + 5), std::string("JFIF\0", 5));
    EXPECT_EQ(app0.body[5], 1);
    EXPECT_EQ(app0.body[6], 1);

    // Exactly one frame header, and it is the baseline one (SOF0).
    int frames = 0;
    for (const Segment& segment : *segments) {
        const bool isFrame = segment.marker >= 0xC0 && segment.marker <= 0xCF && segment.marker != 0xC4 &&
                             segment.marker != 0xC8 && segment.marker != 0xCC;
        if (!isFrame) continue;
        ++frames;
        EXPECT_EQ(segment.marker, 0xC0) << "baseline sequential DCT";
        ASSERT_GE(segment.body.size(), 6u);
        EXPECT_EQ(segment.body[0], 8) << "8-bit samples";
        EXPECT_EQ(BigEndian(segment.body, 1), preview::kHeightPx);
        EXPECT_EQ(BigEndian(segment.body, 3), preview::kWidthPx);
        EXPECT_EQ(segment.body[5], 3) << "three components";
    }
    EXPECT_EQ(frames, 1);
}

INSTANTIATE_TEST_SUITE_P(Files, PreviewFileForm, testing::Values(
    FormCase{"Committed", [] { return CommittedPreview(); }},
    FormCase{"FreshlyEncoded", [] { return preview::MakePreviewJpeg(FileBytes(COMMITTED_CLOUD_BMP)); }}),
    [](const testing::TestParamInfo<FormCase>& info) { return std::string(info.param.name); });

// --- The picture: still the renderer's first frame --------------------------------------------

// Mean absolute difference per channel (R, G, B) between two pictures of the same size.
std::array<double, 3> MeanDifference(const RgbImage& a, const RgbImage& b) {
    std::array<double, 3> sum{};
    for (size_t i = 0; i < a.rgb.size(); ++i) sum[i % 3] += std::abs(a.rgb[i] - b.rgb[i]);
    const double pixels = static_cast<double>(a.width) * a.height;
    for (double& channel : sum) channel /= pixels;
    return sum;
}

double WorstChannel(const std::array<double, 3>& difference) {
    return *std::max_element(difference.begin(), difference.end());
}

// Levels of 255, per channel on average. The JPEG loss at the preview's quality is about 1 (0.9
// here, 1.3 even at quality 75); the next frame of the flight, whose texture has flowed by one
// hundredth, already differs by about 3.4, a missing texture by about 50.
constexpr double kResemblanceBound = 2.0;

class PreviewPicture : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(CloudTexture().HasData()) << COMMITTED_CLOUD_BMP;
        const auto decoded = jpeg::Decode(CommittedPreview());
        ASSERT_TRUE(decoded.has_value()) << COMMITTED_PREVIEW_JPG;
        committed_ = *decoded;
    }
    RgbImage Render(const snapshot::SnapshotScene& scene) {
        const auto frame = snapshot::RenderTunnelSnapshot(scene);
        EXPECT_TRUE(frame.has_value()) << "no off-screen GL context";
        return frame.value_or(RgbImage{});
    }
    RgbImage committed_;
};

TEST_F(PreviewPicture, ResemblesAFreshRenderOfTheFirstFrame) {
    const RgbImage fresh = Render(preview::FirstFrameScene(&CloudTexture()));
    ASSERT_EQ(fresh.width, committed_.width);
    ASSERT_EQ(fresh.height, committed_.height);
    const auto difference = MeanDifference(committed_, fresh);
    EXPECT_LT(WorstChannel(difference), kResemblanceBound)
        << "R " << difference[0] << ", G " << difference[1] << ", B " << difference[2]
        << ": remake it with preview_generator assets/cloud.bmp assets/preview.jpg";
}

struct WrongFrame {
    const char* name;
    int animationSteps;
    bool textured;
};

class PreviewPictureBound : public PreviewPicture, public testing::WithParamInterface<WrongFrame> {};

TEST_P(PreviewPictureBound, TellsAWrongFrameApart) {
    snapshot::SnapshotScene scene = preview::FirstFrameScene(GetParam().textured ? &CloudTexture() : nullptr);
    scene.animationSteps = GetParam().animationSteps;
    const RgbImage wrong = Render(scene);
    ASSERT_EQ(wrong.rgb.size(), committed_.rgb.size());
    const auto difference = MeanDifference(committed_, wrong);
    EXPECT_GT(WorstChannel(difference), kResemblanceBound)
        << "R " << difference[0] << ", G " << difference[1] << ", B " << difference[2];
}

INSTANTIATE_TEST_SUITE_P(Frames, PreviewPictureBound, testing::Values(
    WrongFrame{"HalfASecondLater", 30, true},
    WrongFrame{"TheSecondFrame", 2, true},
    WrongFrame{"WithoutTexture", 1, false}),
    [](const testing::TestParamInfo<WrongFrame>& info) { return std::string(info.param.name); });

}  // namespace
