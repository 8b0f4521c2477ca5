#include "page_design.h"

#include "board/board.h"
#include "board/label_board.h"
#include "canvas/colour.h"
#include "canvas/stamp_rule.h"
#include "design/command_table.h"
#include "design/help_text.h"
#include "design/page_texts.h"
#include "design/point_marks.h"
#include "design/theory_marks.h"
#include "design/window_design.h"
#include "design/window_texts.h"
#include "display_list.h"
#include "experiment/detector_scan.h"
#include "stamp_plan.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace lumorix {

namespace {

// Writes JSON by hand: the document is small, and its strings are UTF-8 already.
class JsonWriter {
public:
    const std::string& text() const { return text_; }

    JsonWriter& beginObject() { return open('{'); }
    JsonWriter& endObject() { return close('}'); }
    JsonWriter& beginArray() { return open('['); }
    JsonWriter& endArray() { return close(']'); }

    JsonWriter& key(std::string_view name) {
        separate();
        quoted(name);
        text_ += ':';
        afterKey_ = true;
        return *this;
    }
    JsonWriter& value(std::string_view string) {
        separate();
        quoted(string);
        return *this;
    }
    JsonWriter& value(int number) {
        separate();
        text_ += std::to_string(number);
        return *this;
    }
    JsonWriter& value(double number) {
        separate();
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", number);
        text_ += text;
        return *this;
    }
    JsonWriter& value(bool flag) {
        separate();
        text_ += flag ? "true" : "false";
        return *this;
    }
    JsonWriter& value(const Box& box) {
        return beginArray()
            .value(box.left)
            .value(box.top)
            .value(box.width)
            .value(box.height)
            .endArray();
    }
    JsonWriter& value(const FontFamily& family) {
        return beginObject()
            .key("name")
            .value(family.name)
            .key("generic")
            .value(family.generic)
            .endObject();
    }
    JsonWriter& value(const FontDesign& font) {
        const FontFamily& family = substituteFamily(font.family);
        return beginObject()
            .key("family")
            .value(family.name)
            .key("generic")
            .value(family.generic)
            .key("size")
            .value(font.pixelSize)
            .key("bold")
            .value(font.bold)
            .endObject();
    }

private:
    JsonWriter& open(char bracket) {
        separate();
        text_ += bracket;
        first_ = true;
        return *this;
    }
    JsonWriter& close(char bracket) {
        text_ += bracket;
        first_ = false;
        return *this;
    }
    void separate() {
        if (!first_ && !afterKey_)
            text_ += ',';
        first_ = false;
        afterKey_ = false;
    }
    void quoted(std::string_view string) {
        text_ += '"';
        for (const char c : string) {
            if (c == '"' || c == '\\') {
                text_ += '\\';
                text_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                text_ += escaped;
            } else {
                text_ += c;
            }
        }
        text_ += '"';
    }

    std::string text_;
    bool first_ = true;
    bool afterKey_ = false;
};

// Every font of the window's design.
std::vector<FontDesign> designFonts() {
    std::vector<FontDesign> fonts{defaultFont, buttonFont, theoryLabelFont};
    const LabelBoard startUp;
    for (const LabelBoard::Label& label : startUp.labels())
        fonts.push_back(label.design->font);
    for (const FrameDesign& frame : frameDesigns())
        fonts.push_back(frame.font);
    return fonts;
}

void writeLabels(JsonWriter& json) {
    json.key("labels").beginArray();
    const LabelBoard startUp;
    for (const LabelBoard::Label& label : startUp.labels()) {
        json.beginObject()
            .key("name")
            .value(label.name)
            .key("caption")
            .value(label.design->caption)
            .key("box")
            .value(label.box)
            .key("font")
            .value(label.design->font)
            .key("centred")
            .value(label.design->centred)
            .endObject();
    }
    json.endArray();
}

void writeControls(JsonWriter& json) {
    json.key("buttons").beginArray();
    for (const ButtonDesign& button : buttonDesigns()) {
        json.beginObject()
            .key("name")
            .value(button.name)
            .key("caption")
            .value(button.caption)
            .key("box")
            .value(button.box)
            .key("order")
            .value(button.keyboardOrder)
            .endObject();
    }
    json.endArray();

    const SliderDesign& slider = sliderDesign();
    json.key("slider")
        .beginObject()
        .key("name")
        .value(slider.name)
        .key("box")
        .value(slider.box)
        .key("minimum")
        .value(slider.minimum)
        .key("maximum")
        .value(slider.maximum)
        .key("order")
        .value(slider.keyboardOrder)
        .key("accessibleName")
        .value(sliderName)
        .key("description")
        .value(sliderDescription)
        .key("toolTips")
        .beginArray();
    for (int value = slider.minimum; value <= slider.maximum; ++value)
        json.value(sliderToolTip(value));
    json.endArray().endObject();

    json.key("frames").beginArray();
    for (const FrameDesign& frame : frameDesigns()) {
        json.beginObject()
            .key("name")
            .value(frame.name)
            .key("caption")
            .value(frame.caption)
            .key("box")
            .value(frame.box)
            .key("font")
            .value(frame.font)
            .key("visible")
            .value(frame.visible)
            .key("options")
            .beginArray();
        for (const OptionDesign& option : frame.options) {
            json.beginObject()
                .key("name")
                .value(option.name)
                .key("caption")
                .value(option.caption)
                .key("box")
                .value(option.boxInFrame)
                .key("order")
                .value(option.keyboardOrder)
                .endObject();
        }
        json.endArray().endObject();
    }
    json.endArray();
}

void writeFields(JsonWriter& json) {
    json.key("fields").beginArray();
    for (std::size_t i = 0; i < parameterFieldCount; ++i)
        json.value(objectName(static_cast<ParameterField>(i)));
    json.endArray();
    json.key("startUpSelections").beginArray();
    for (const std::string_view name : startUpSelections())
        json.value(name);
    json.endArray();
}

std::string cssColour(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red(), colour.green(), colour.blue());
    return text;
}

void writeLines(JsonWriter& json, std::string_view name, const std::vector<TheoryLine>& lines) {
    json.key(name).beginArray();
    for (const TheoryLine& line : lines)
        json.beginArray().value(line.left).value(line.right).value(line.y).endArray();
    json.endArray();
}

constexpr std::pair<std::string_view, Board::RedrawStep> redrawSteps[] = {
    {"begin", Board::RedrawStep::begin},
    {"drawRun", Board::RedrawStep::drawRun},
    {"show", Board::RedrawStep::show},
};

// The commands that the page carries out, in the table's order, by their names.
void writeCommands(JsonWriter& json) {
    json.key("commands").beginArray();
    for (const auto& [command, design] : boardCommands()) {
        if (design.onPage == OnPage::browsers)
            continue;
        json.beginObject()
            .key("name")
            .value(design.name)
            .key("caption")
            .value(design.caption)
            .key("keys")
            .beginArray()
            .value(design.key);
        if (!design.otherKey.empty())
            json.value(design.otherKey);
        json.endArray()
            .key("takesKey")
            .value(design.onPage == OnPage::commandAndKey)
            .key("checkable")
            .value(design.checkable)
            .key("neverWaits")
            .value(design.neverWaits)
            .key("letterKey")
            .value(design.letterKey())
            .endObject();
    }
    json.endArray();
}

} // namespace

std::string pageDesignJson() {
    JsonWriter json;
    json.beginObject()
        .key("title")
        .value(titleBarText)
        .key("width")
        .value(clientWidth)
        .key("height")
        .value(clientHeight)
        .key("background")
        .value(cssColour(colours::background))
        .key("labelSlack")
        .value(labelWrapSlack)
        .key("buttonFont")
        .value(buttonFont)
        .key("theory")
        .beginObject()
        .key("bright")
        .value(cssColour(theoryBrightColour))
        .key("dark")
        .value(cssColour(theoryDarkColour))
        .key("font")
        .value(theoryLabelFont)
        .endObject()
        .key("point")
        .beginObject()
        .key("name")
        .value(pointMarkerName)
        .key("font")
        .value(pointTextFont)
        .key("textColour")
        .value(cssColour(colours::foreground))
        .key("initialRow")
        .value(initialPointRow())
        .key("rows")
        .beginArray()
        .value(topScanRow)
        .value(bottomScanRow)
        .endArray()
        .endObject();
    writeLabels(json);
    writeControls(json);
    writeFields(json);
    json.key("displayList").beginObject();
    for (const DisplayList::Record& record : DisplayList::records()) {
        json.key(record.name)
            .beginObject()
            .key("code")
            .value(static_cast<int>(record.code))
            .key("length")
            .value(record.length)
            .key("perBox")
            .value(record.perBox)
            .endObject();
    }
    json.endObject();
    json.key("stamps")
        .beginObject()
        .key("placesPerPixel")
        .value(placesPerPixel)
        .key("perShape")
        .value(StampPlan::perShape)
        .key("how")
        .beginObject()
        .key("canvas")
        .value(static_cast<int>(StampPlan::canvas))
        .key("exact")
        .value(static_cast<int>(StampPlan::exact))
        .endObject()
        .endObject();
    // The codes by which the module names the redraw's steps.
    json.key("redrawSteps").beginObject();
    for (const auto& [name, step] : redrawSteps)
        json.key(name).value(static_cast<int>(step));
    json.endObject();
    json.key("texts")
        .beginObject()
        .key("drawingName")
        .value(drawingName)
        .key("emptyDrawingDescription")
        .value(emptyDrawingDescription)
        .key("programEnded")
        .value(programEndedText)
        .key("restart")
        .value(restartCaption)
        .key("fatalErrorTitle")
        .value(dialogTitle)
        .key("fatalErrorButton")
        .value(fatalErrorButton)
        .key("helpTitle")
        .value(helpTitle)
        .key("help")
        .value(helpHtml())
        .key("close")
        .value(closeCaption)
        .key("boardMenu")
        .value(boardMenuName)
        .endObject();
    writeCommands(json);
    json.endObject();
    return json.text();
}

std::string pageStyleJson() {
    JsonWriter json;
    json.beginObject()
        .key("background")
        .value(cssColour(colours::background))
        .key("font")
        .value(defaultFont)
        .key("families")
        .beginArray();
    std::vector<FontFamily> families;
    for (const FontSubstitution& substitution : fontSubstitutions()) {
        if (std::none_of(families.begin(), families.end(), [&](const FontFamily& family) {
                return family.name == substitution.family.name;
            })) {
            families.push_back(substitution.family);
            json.value(substitution.family);
        }
    }
    json.endArray().key("faces").beginArray();
    std::vector<std::pair<std::string_view, bool>> faces;
    for (const FontDesign& font : designFonts()) {
        const std::pair face(substituteFamily(font.family).name, font.bold);
        if (std::find(faces.begin(), faces.end(), face) == faces.end()) {
            faces.push_back(face);
            json.beginObject()
                .key("family")
                .value(face.first)
                .key("bold")
                .value(face.second)
                .endObject();
        }
    }
    json.endArray()
        .key("frameBorder")
        .beginObject()
        .key("width")
        .value(frameBorder.width)
        .key("colour")
        .value(cssColour(frameBorder.colour))
        .key("top")
        .value(frameBorder.top)
        .key("captionLeft")
        .value(frameBorder.captionLeft)
        .key("captionPadding")
        .value(frameBorder.captionPadding)
        .endObject()
        .endObject();
    return json.text();
}

std::string theoryMarksJson(const ParameterFields& fields, const RunStates& states) {
    const TheoryMarks marks = theoryMarks(fields, states);
    JsonWriter json;
    json.beginObject();
    writeLines(json, "bright", marks.bright);
    writeLines(json, "dark", marks.dark);
    json.key("labels").beginArray();
    for (const TheoryLabel& label : marks.labels)
        json.beginObject().key("box").value(label.box).key("text").value(label.text).endObject();
    json.endArray();
    json.endObject();
    return json.text();
}

std::string pointMarksJson(const ParameterFields& fields, const RunStates& states, int row) {
    const std::optional<PointMarks> marks = pointMarks(fields, states, row);
    const std::optional<Box> line = pointLineBox(fields);
    if (!marks || !line)
        return "null";
    JsonWriter json;
    json.beginObject().key("strokes").beginArray();
    for (const PointStroke& stroke : marks->strokes) {
        json.beginArray()
            .value(stroke.x1)
            .value(stroke.y1)
            .value(stroke.x2)
            .value(stroke.y2)
            .value(cssColour(stroke.colour))
            .value(stroke.width)
            .endArray();
    }
    json.endArray()
        .key("textBox")
        .value(marks->textBox)
        .key("text")
        .value(marks->text)
        .key("line")
        .value(*line)
        .endObject();
    return json.text();
}

} // namespace lumorix
