#include "shell/tip_book.h"

#include "persistence/tip_number.h"

namespace orrery {

// Tips 12, 16 and 19 name what this program offers on the Linux desktop:
// any word processor for pasted graphs, the Shortcuts page of the help, and
// spreadsheet files read directly. Tips 1, 11 and 26 call the keys by the
// names their faces show ("Sketch", "2nd", "x√y").
const std::array<std::string_view, TipBook::kTipCount>& TipBook::Tips() {
    static constexpr std::array<std::string_view, kTipCount> kTips{
        "Click on the \"Sketch\" button or press \"Enter\" \t\tanytime you wish to see a graph or the result of "
        "a numerical calculation. ",
        "You can use the mouse or type (or a mixture of both) to enter numbers and functions.",
        "Get the coordinates of a point by (left-) clicking on the graph and looking at the status bar.",
        "Drag the gray bar in the middle between the the Calculator face and the graph window to change their "
        "relative size.",
        "The number of curves you can draw is practically unlimited. You can navigate between curves by clicking on "
        "the \"Next Curve\" and \"Last Curve\" buttons or by using the \"Page Up\" and \"Page Down\" keys.",
        "The colors of the axes, curves, background, axes labels and the circles which represent the original "
        "points in curve-fitting can be changed by right-clicking and selecting \"Set Colors\".",
        "Add text to the graphs you print by right-clicking and selecting \"Graph Text\". Move the text by holding "
        "down the (left) mouse button and dragging it.",
        "The number of points used to draw the curves, their width and style can be changed by right-clicking and "
        "selecting \"Curve Look\".",
        "Hover over a function button to get the domain and range.",
        "Use the arrow, home or end keys or click with the mouse to edit the input.",
        "Toggle between the primary and secondary functions using the \"2nd\" button in the top left corner.",
        "You can copy and paste your graphs into LibreOffice Writer as well as other word processors.",
        "You can save your graphs in our \".qpl\" file format and work on it later. Graphs can also be exported into "
        "the \".bmp\", \".gif\", \".jpeg\" and \".png\" file formats to include in a webpage or manipulate with Image "
        "Processing software. All the curves and the colors, fonts, styles, graph text etc. will be preserved.",
        "Be careful with syntax for complicated expressions. Use parentheses if you are unsure about precedence "
        "rules, etc. However, Orrery allows for \"relaxed\" syntax in very simple cases. For example, to see the "
        "sine graph, you only need click on the \"sin\" button and or type \"sin\" and press \"Enter\".",
        "For example, \"3sinx\" and \"sin3x\", will be interpreted correctly whether or not you put a multiplication "
        "symbol between the \"3\" and the \"sin\" or \"x\", or an opening parenthesis between the \"sin\" and the "
        "\"x\" or \"3x\". However, it is preferable to use parentheses in expressions such as \"sqrtx(x-2)\" to "
        "avoid ambiguity.",
        "There are shortcut keys for most common operations, such as zooming and exhibiting the derivative. For a "
        "complete list, see the \"Shortcuts\" page of Help->Help (F1).",
        "Most of the options you set such as colors, domains, line styles etc., will persist the next time you open "
        "the program. To reset, right-click and select \"Restore Defaults\".",
        "If you convert a measurement or calculate compound interest, you can paste the result in the symbol "
        "display window ( the window at the top of the Calculator face). You can also paste numbers from other "
        "programs.",
        "For curve fitting, the data must be in a two-column rectangular region of a spreadsheet file (.xlsx, .ods, "
        ".xls or .csv).",
        "The options for axes are None, Cartesian or Boxed, alterable from the \"Curve Look\" dialog: Ctrl+L",
        "Just for fun, to see a complex adaptive system evolve, Help->About.",
        "A printer will display the contents of the graph window, including all the text you add.",
        "You can toggle between full and split screen mode by right-clicking and selecting the third from last "
        "option.",
        "You can get the value of a function at a particular x-value, for example the sine(1 radian) in many ways. "
        "1. Simply type \"sin1\" 2. Press the \"sin\" button and \"Enter\" and click above x=1 3. After drawing the "
        "sine graph, right-click and select \"Evaluate\".",
        "Powers: For example, to calculate 2^10, simply type 2^10 and press ENTER or click 2, the y^x button, 10, "
        "ENTER",
        "Roots: For example, to calculate the fourth root of 2, click 4, the \"2nd\" button (top left), the \"x√y\" button "
        "and 2 and press ENTER.",
        "To draw the graph of \"y=x^2\", type \"x^2\" or click on \"x\", \"y^x\" and \"2\". (Similarly for "
        "\"y=x^3\").",
        "To graph a Step function: e.g. y = sinx  x<0;  y =cosx   x>0 1. Type \"sin\" or click its button. 2. Click "
        "\"Next Curve\", the \"cos\" button and \"Enter\". 3. Right Click and select curve domains... 4. Uncheck "
        "\"All curves\" 5. Select Curve 1 and set Xmax to 0  6. Select Curve 2 and set Xmin to 0 and XMax to 5 7. "
        "Press \"Enter\" to sketch.",
        "To zoom in, right click and select \"Zoom In\". Then drag the mouse to form a rectangle and release.",
        "To zoom out, right click and select \"Zoom Out\". Then double-click where you would like the graph to be "
        "centered.",
        "Reverse any number of \"zoom\" operations (in or out) by right-clicking and selecting \"Reverse last zoom\" "
        "as many times as desired.",
        "(Left-) click with the mouse or use the left and right arrow keys in the Input Display Window to move the "
        "box cursor in editing the input. The delete key will remove the expression in the box and the backspace "
        "key the expression which precedes it.",
    };
    return kTips;
}

TipBook::TipBook(SettingsStore& store) : store_(store), index_(ReadTipNumber(store)) {
    // A stored place outside the book (an edited or damaged settings file)
    // starts again at the first tip rather than reading past the end.
    if (index_ < 0 || index_ >= kTipCount) index_ = 0;
}

TipBook::~TipBook() { WriteTipNumber(store_, index_); }

std::string_view TipBook::NextTip() {
    index_ = index_ + 1 >= kTipCount ? 0 : index_ + 1;
    return Tips()[static_cast<std::size_t>(index_)];
}

std::string_view TipBook::PreviousTip() {
    index_ = index_ <= 0 ? kTipCount - 1 : index_ - 1;
    return Tips()[static_cast<std::size_t>(index_)];
}

std::string_view TipBook::TakeTip() {
    const std::string_view tip = Tips()[static_cast<std::size_t>(index_)];
    index_ = index_ + 1 >= kTipCount ? 0 : index_ + 1;
    return tip;
}

std::string_view TipBook::TakePreviousTip() {
    PreviousTip();
    PreviousTip();
    return TakeTip();
}

}  // namespace orrery
