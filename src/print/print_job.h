#pragma once
// A print job as the program's printer calls make it: font, colour, CurrentX/CurrentY in twips, text that
// ends or continues a line, Tab(n), new page, end of job. A list of pages of positioned text runs,
// independent of any device: rendered as text for tests and the .txt twin, drawn by the Qt host.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallyvex::print {

struct TextRun {
    int x = 0;         // twips from the page's left edge
    int y = 0;         // twips from the page's top edge (top of the text line)
    std::string text;  // UTF-8
    std::string fontName;
    double fontSize = 10;
    bool bold = false;
    std::uint32_t color = 0;  // blue-green-red, as the program writes colours
};

struct Page {
    std::vector<TextRun> runs;
};

// How a device fits the job to its paper. `Fit` (the default) scales the page so `columns` print columns
// fill the printable width and `rows` lines of the job's font fill the printable height, the font sized to
// the columns (0 for either: taken from the job's widest line or longest page; a short page keeps the
// columns' scale rather than being spread). `Twips` places every run at its twips from the printable corner,
// for forms whose rows the program positions itself. The text rendering ignores the design.
struct PageDesign {
    enum class Placement { Fit, Twips };
    Placement placement = Placement::Fit;
    int columns = 0;
    int rows = 0;
};

class PrintJob {
public:
    static constexpr int kTwipsPerColumn = 120;
    static constexpr int kTwipsPerRow = 240;

    explicit PrintJob(std::string name);

    const std::string& name() const { return m_name; }

    void setDesign(const PageDesign& design) { m_design = design; }
    const PageDesign& design() const { return m_design; }

    void setFontName(std::string name) { m_fontName = std::move(name); }
    void setFontSize(double size) { m_fontSize = size; }
    void setBold(bool bold) { m_bold = bold; }
    const std::string& fontName() const { return m_fontName; }
    double fontSize() const { return m_fontSize; }
    bool bold() const { return m_bold; }
    void setColor(std::uint32_t bgr) { m_color = bgr; }
    std::uint32_t color() const { return m_color; }

    int currentX() const { return m_x; }
    int currentY() const { return m_y; }
    void setCurrentX(int twips) { m_x = twips; }
    void setCurrentY(int twips) { m_y = twips; }

    // Height of one printed line in the current font, in twips.
    int lineHeight() const;

    // Prints text at CurrentX/CurrentY, then starts a new line: CurrentX back to the left margin (0),
    // CurrentY down by one line.
    void printLine(std::string_view text = {});
    // Prints text and stays on the line: CurrentX moves past it (one column per character).
    void printText(std::string_view text);
    // Moves CurrentX to column n (1-based, 120 twips a column). A column left of CurrentX moves to the next
    // line first, as the printer's Tab does.
    void tab(int column);
    // Starts a new page; CurrentX and CurrentY go back to 0.
    void newPage();
    // Ends the job; later calls are ignored.
    void endDoc();
    bool ended() const { return m_ended; }

    const std::vector<Page>& pages() const { return m_pages; }
    // True when no page holds any text.
    bool empty() const;

private:
    std::string m_name;
    PageDesign m_design;
    std::string m_fontName = "Courier New";
    double m_fontSize = 10;
    bool m_bold = false;
    std::uint32_t m_color = 0;
    int m_x = 0;
    int m_y = 0;
    bool m_ended = false;
    std::vector<Page> m_pages;
};

// Text rendering: one text line per row, a run at column 1 + x / 120 of row y / 240, later runs overwriting
// earlier ones where they overlap; trailing spaces dropped; pages separated by a line holding "\f".
std::string renderText(const PrintJob& job);

}  // namespace tallyvex::print
