#include "window/colordialog.h"

#include "preview/translatable.h"
#include "window/language.h"
#include "window/speech.h"

#include <algorithm>
#include <string>

namespace hueprev {

namespace {
int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    return -1;
}

std::u16string hexText(ColorValue color)
{
    static constexpr char16_t kHex[] = u"0123456789abcdef";
    std::u16string text = u"#";
    for (const std::uint8_t channel : {redOf(color), greenOf(color), blueOf(color)}) {
        text += kHex[channel >> 4U];
        text += kHex[channel & 0xFU];
    }
    return text;
}

} // namespace

std::optional<ColorValue> parseColor(std::u16string_view text)
{
    while (!text.empty() && text.front() == u' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == u' ') {
        text.remove_suffix(1);
    }
    if (text.size() == 2 && text[0] == kCodeIntroducer && colorDigitIndex(text[1])) {
        return colorOf(*colorDigitIndex(text[1]));
    }
    const bool hash = !text.empty() && text.front() == u'#';
    if (hash) {
        text.remove_prefix(1);
    }
    if (text.size() != 6 && !(hash && text.size() == 3)) {
        return std::nullopt;
    }
    std::array<int, 3> channels{};
    const std::size_t width = text.size() / 3;
    for (std::size_t i = 0; i < 3; ++i) {
        int value = 0;
        for (std::size_t d = 0; d < width; ++d) {
            const int digit = hexDigit(text[i * width + d]);
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + digit;
        }
        channels[i] = width == 1 ? value * 17 : value;
    }
    return colorValue(static_cast<std::uint8_t>(channels[0]), static_cast<std::uint8_t>(channels[1]),
                      static_cast<std::uint8_t>(channels[2]));
}

ColorDialogWords colorDialogWords()
{
    ColorDialogWords words;
    // TRANSLATORS: the dialog of Colour the letters > Any colours…; "&" marks access keys, unique in it.
    words.title = translate("Colour the letters");
    for (std::size_t row = 1; row <= ColorDialog::kRows; ++row) {
        const std::string n = std::to_string(row);
        // TRANSLATORS: a colour's row; %1$s is its number, its access key.
        words.rows.push_back(format("Colour &%1$s", {n}));
        // TRANSLATORS: the button that takes a row away; %1$s is its number.
        words.removes.push_back(format("Remove colour %1$s", {n}));
        // TRANSLATORS: what a screen reader calls a row's Choose… button; %1$s is its number.
        words.chooseNames.push_back(format("Choose colour %1$s", {n}));
    }
    // TRANSLATORS: opens the platform's own colour dialog.
    words.choose = translate("Choose…");
    words.add = translate("&Add a colour");
    words.longWay = translate("The long &way round");
    // TRANSLATORS: "At most [12] characters", the field between the two.
    words.atMost = translate("At &most");
    words.characters = translate("characters");
    words.ok = translate("OK");
    words.cancel = translate("Cancel");
    return words;
}

ColorDialog::ColorDialog(std::u16string name, std::size_t from, std::size_t to, ColorChoice start)
    : name_(std::move(name)), from_(from), to_(to), choice_(std::move(start))
{
    if (choice_.colors.empty()) {
        choice_.colors.emplace_back(u"#ffffff");
    }
    choice_.colors.resize(std::min(choice_.colors.size(), kRows));
}

void ColorDialog::show(ColorDialogView &view)
{
    view_ = &view;
    for (std::size_t row = 0; row < choice_.colors.size(); ++row) {
        view.setRowText(row, choice_.colors[row]);
    }
    view.setLongWay(choice_.longWay);
    view.setLimit(choice_.limit);
    update();
}

void ColorDialog::rowEdited(std::size_t row, std::u16string_view text)
{
    if (row < choice_.colors.size()) {
        choice_.colors[row] = text;
        update();
    }
}

void ColorDialog::rowChosen(std::size_t row, ColorValue color)
{
    if (row < choice_.colors.size()) {
        choice_.colors[row] = hexText(color);
        if (view_ != nullptr) {
            view_->setRowText(row, choice_.colors[row]);
        }
        update();
    }
}

void ColorDialog::addRow()
{
    if (choice_.colors.size() < kRows) {
        // A new row starts from the last colour, to be changed.
        choice_.colors.push_back(choice_.colors.back());
        if (view_ != nullptr) {
            view_->setRowText(choice_.colors.size() - 1, choice_.colors.back());
        }
        update();
    }
}

void ColorDialog::removeRow(std::size_t row)
{
    if (choice_.colors.size() > 1 && row < choice_.colors.size()) {
        choice_.colors.erase(choice_.colors.begin() + static_cast<std::ptrdiff_t>(row));
        for (std::size_t at = row; view_ != nullptr && at < choice_.colors.size(); ++at) {
            view_->setRowText(at, choice_.colors[at]);
        }
        update();
    }
}

void ColorDialog::longWayToggled(bool on)
{
    choice_.longWay = on;
    update();
}

void ColorDialog::limitEdited(std::u16string_view text)
{
    choice_.limit = text;
    update();
}

ColorValue ColorDialog::rowColor(std::size_t row) const
{
    return row < choice_.colors.size() ? parseColor(choice_.colors[row]).value_or(kDefaultColor)
                                       : kDefaultColor;
}

void ColorDialog::update()
{
    ColorFade fade{{}, choice_.longWay};
    bool readable = true;
    std::vector<ColorRow> rows;
    for (const std::u16string &text : choice_.colors) {
        ColorRow row;
        if (const std::optional<ColorValue> color = parseColor(text)) {
            const int code = nearestCode(toOklab(*color));
            fade.colors.push_back(*color);
            // TRANSLATORS: the code a colour gives alone; %1$s is the code, %2$s its colour's name.
            row.alone = format("alone: %1$s %2$s", {colorCode(code), utf16(translate(colorName(code)))});
            row.swatch = colorOf(code);
        } else {
            readable = false;
            // TRANSLATORS: beside a colour's field that holds no colour.
            row.error = utf16(translate("Not a colour: type #rrggbb, #rgb or a code such as ^3"));
        }
        rows.push_back(std::move(row));
    }
    // The limit: empty for none, else a whole number.
    std::optional<std::size_t> limit;
    std::u16string limitError;
    std::u16string_view digits = choice_.limit;
    while (!digits.empty() && digits.front() == u' ') {
        digits.remove_prefix(1);
    }
    while (!digits.empty() && digits.back() == u' ') {
        digits.remove_suffix(1);
    }
    if (!digits.empty()) {
        const bool whole = digits.size() <= 9 && std::all_of(digits.begin(), digits.end(), [](char16_t c) {
                               return c >= u'0' && c <= u'9';
                           });
        if (whole) {
            std::size_t value = 0;
            for (const char16_t digit : digits) {
                value = value * 10 + static_cast<std::size_t>(digit - u'0');
            }
            limit = value;
        } else {
            readable = false;
            // TRANSLATORS: beside the limit's field when it holds no whole number.
            limitError = utf16(translate("Type a whole number of characters, or nothing for no limit."));
        }
    }
    result_ = readable ? fadeLetters(name_, from_, to_, fade, limit) : FadeResult{std::nullopt, false};
    if (readable && !result_.fits) {
        // TRANSLATORS: %1$s is the most characters the player asked the name to fit.
        limitError = format("The name cannot fit in %1$s characters.", {digits});
    }
    ok_ = readable && result_.fits;
    if (view_ == nullptr) {
        return;
    }
    view_->showRows(choice_.colors.size(), choice_.colors.size() < kRows, choice_.colors.size() > 1);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        view_->showRow(row, rows[row]);
    }
    view_->showLimitError(limitError);
    // The range's letters as they will look, and how long the name will be.
    const std::u16string after = result_.edit ? name_.substr(0, result_.edit->from) + result_.edit->text +
                                                    name_.substr(result_.edit->from + result_.edit->length)
                                              : name_;
    const std::size_t start = result_.edit ? result_.edit->from : std::min(from_, name_.size());
    const std::size_t end = result_.edit ? start + result_.edit->text.size() : std::min(to_, name_.size());
    CaretPreview preview(view_->preview());
    preview.showText(colorCode(colorIndexAt(after, start)) + after.substr(start, end - start), 0);
    const NameCount count = countName(after);
    view_->showResult(ok_, countWords(count));
}

} // namespace hueprev
