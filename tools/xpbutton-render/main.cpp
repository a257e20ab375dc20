// xpbutton-render: one XPButton in one state as a PNG, or a gallery sheet of
// every look, shape and state. Text comes from Qt, as in the Linux program.
//
//   xpbutton-render --style 2 --shape 0 --width 73 --height 25
//       --back-color 0xFFFFFF --caption "确 定" --state pressed --out b.png
//   xpbutton-render --gallery docs/xpbutton-gallery.png
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "button/gallery.h"
#include "button/offscreen_host.h"
#include "platform/qt/fonts.h"
#include "platform/qt/qt_text_renderer.h"
#include "raster/png.h"

namespace {

using namespace tarvenel;

const char* const kUsage =
    "usage: xpbutton-render --style N --shape N --width W --height H --back-color 0xBBGGRR\n"
    "           --caption TEXT --state normal|hover|pressed|default|disabled\n"
    "           [--mode N --value 0|1 --gradient-mode N --gradient-color C --caption-style N\n"
    "            --picture FILE.png --picture-align N --picture-size N] --out FILE.png\n"
    "       xpbutton-render --gallery FILE.png\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "xpbutton-render: %s\n%s", message.c_str(), kUsage);
    return 2;
}

bool ParseNumber(const std::string& text, long& out) {
    try {
        std::size_t used = 0;
        out = std::stol(text, &used, 0);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

// A PNG as a button picture: with any see-through pixel it is an icon
// (blended by its alpha), otherwise a bitmap keyed by its top-left colour.
PicturePtr LoadPicture(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                           std::istreambuf_iterator<char>()};
    const Bitmap bitmap = DecodePng(bytes);
    if (bitmap.Empty())
        return nullptr;
    auto pixels = std::make_shared<std::vector<std::uint32_t>>();
    bool seeThrough = false;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            pixels->push_back(bitmap.At(x, y));
            seeThrough = seeThrough || (bitmap.At(x, y) >> 24) != 0xFF;
        }
    return std::make_shared<ButtonPicture>(
        ButtonPicture{seeThrough ? PictureKind::Icon : PictureKind::Bitmap, bitmap.Width(),
                      bitmap.Height(), pixels});
}

bool Save(const Bitmap& bitmap, const std::string& path) {
    return qt::ToImage(bitmap).save(QString::fromStdString(path), "PNG");
}

} // namespace

int main(int argc, char** argv) {
    // No window is shown: the offscreen platform needs no display.
    if (!std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qt::UseShippedFontConfig();
    std::map<std::string, std::string> options;
    for (int i = 1; i < argc; ++i) {
        const std::string key = argv[i];
        if (key.rfind("--", 0) != 0 || i + 1 >= argc)
            return Fail("expected --option VALUE at '" + key + "'");
        options[key.substr(2)] = argv[++i];
    }
    // Qt would take options such as --style for itself: it gets none.
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    qt::QtTextRenderer text;

    if (options.count("gallery")) {
        if (!Save(FullGallery(text), options["gallery"]))
            return Fail("could not write " + options["gallery"]);
        return 0;
    }

    static const char* const kNumbers[] = {"style",         "shape",         "width",
                                           "height",        "back-color",    "mode",
                                           "value",         "gradient-mode", "gradient-color",
                                           "caption-style", "picture-align", "picture-size"};
    std::map<std::string, long> n{{"style", 0},
                                  {"shape", 0},
                                  {"width", 73},
                                  {"height", 25},
                                  {"back-color", kSysButtonFace},
                                  {"mode", 0},
                                  {"value", 0},
                                  {"gradient-mode", 0},
                                  {"gradient-color", 0},
                                  {"caption-style", 0},
                                  {"picture-align", 0},
                                  {"picture-size", 0}};
    for (const char* key : kNumbers)
        if (options.count(key) && !ParseNumber(options[key], n[key]))
            return Fail(std::string("--") + key + " needs a number");
    if (n["style"] < 0 || n["style"] > 7 || n["shape"] < 0 || n["shape"] > 6)
        return Fail("--style must be 0 to 7 and --shape 0 to 6");
    if (!options.count("out"))
        return Fail("--out is missing");
    if (n["width"] <= 0 || n["height"] <= 0 || n["width"] > 4000 || n["height"] > 4000)
        return Fail("width and height must be 1 to 4000 pixels");
    static const std::map<std::string, ButtonPose> kPoses{{"normal", ButtonPose::Normal},
                                                          {"hover", ButtonPose::Hover},
                                                          {"pressed", ButtonPose::Pressed},
                                                          {"default", ButtonPose::Default},
                                                          {"disabled", ButtonPose::Disabled}};
    const std::string stateName = options.count("state") ? options["state"] : "normal";
    const auto pose = kPoses.find(stateName);
    if (pose == kPoses.end())
        return Fail("unknown --state " + stateName);

    ButtonContainer container(0xD8E9EC);
    OffscreenButton b(container, static_cast<int>(n["width"]), static_cast<int>(n["height"]), text);
    XPButton& button = b.button;
    button.InitProperties();
    button.DelayDrawing(true);
    button.SetCaption(options.count("caption") ? options["caption"] : "XPButton1");
    button.SetBackColor(static_cast<OleColour>(n["back-color"]));
    button.SetButtonStyle(static_cast<int>(n["style"]));
    button.SetMode(static_cast<int>(n["mode"]));
    button.SetValue(n["value"] != 0);
    button.SetGradientColor(static_cast<OleColour>(n["gradient-color"]));
    button.SetGradientMode(static_cast<int>(n["gradient-mode"]));
    button.SetCaptionStyle(static_cast<int>(n["caption-style"]));
    if (options.count("picture")) {
        PicturePtr picture = LoadPicture(options["picture"]);
        if (!picture)
            return Fail("cannot read the picture " + options["picture"]);
        button.SetPicture(picture);
        button.SetPictureSize(static_cast<int>(n["picture-size"]));
        button.SetPictureAlign(static_cast<int>(n["picture-align"]));
    }
    button.SetButtonShape(static_cast<int>(n["shape"])); // ends the delay, sizes, draws
    b.Pose(pose->second);
    if (!Save(b.host.Shown(0x00000000), options["out"]))
        return Fail("could not write " + options["out"]);
    return 0;
}
