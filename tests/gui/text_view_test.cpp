// RichEdit1's own view: lines, widths, scroll bars, selection and copy.

#include "app/qt/text_view.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brindle::qt {
namespace {

std::vector<std::string> LinesOf(const TextView& view) {
    std::vector<std::string> lines;
    for (int64_t i = 0; i < view.LineCount(); ++i)
        lines.emplace_back(view.Line(i));
    return lines;
}

TEST(TextViewLines, BreaksAtCrLfLfAndCr) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    for (const Case& c : std::vector<Case>{
             {"", {""}},
             {"01  02", {"01  02"}},
             {"01\r\n", {"01", ""}},
             {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
             {"a\r\r\nb", {"a", "", "b"}},
             {"\r\n\r\n", {"", "", ""}},
         }) {
        TextView view;
        view.SetText(c.text);
        EXPECT_EQ(LinesOf(view), c.lines) << c.text;
    }
}

TEST(TextViewLines, FindsLinesFarIntoALongText) {
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "line " + std::to_string(i) + (i % 3 == 0 ? "\n" : "\r\n");
    TextView view;
    view.SetText(text);
    ASSERT_EQ(view.LineCount(), 1001);
    for (int line : {0, 63, 64, 65, 127, 128, 500, 999})
        EXPECT_EQ(view.Line(line), "line " + std::to_string(line));
    EXPECT_EQ(view.Line(1000), "");
}

TEST(TextViewWidth, IsTheWidestLinesWidth) {
    TextView alone;
    alone.SetText("0x1C8 (Gun) with a longer label");
    TextView among;
    among.SetText("ab\r\n0x1C8 (Gun) with a longer label\r\nabc");
    EXPECT_GT(alone.ContentWidth(), 0);
    EXPECT_EQ(among.ContentWidth(), alone.ContentWidth());

    CharFormat bold;
    bold.bold = true;
    TextView boldView;
    boldView.SetFormat(bold);
    boldView.SetText("0x1C8 (Gun) with a longer label");
    EXPECT_GT(boldView.ContentWidth(), alone.ContentWidth());
}

TEST(TextViewScrollBars, ShowOnlyWhenTheTextNeedsThem) {
    struct Case {
        const char* what;
        std::string text;
        bool horizontal;
        bool vertical;
    };
    std::string tall;
    for (int i = 0; i < 40; ++i)
        tall += "01  02\r\n";
    for (const Case& c : std::vector<Case>{
             {"short", "01  02  03\r\n", false, false},
             {"tall", tall, false, true},
             {"wide", std::string(200, 'W'), true, false},
             {"both", tall + std::string(200, 'W'), true, true},
         }) {
        SCOPED_TRACE(c.what);
        TextView view;
        view.resize(196, 173);
        view.show();
        view.SetText(c.text);
        QApplication::processEvents();
        EXPECT_EQ(view.horizontalScrollBar()->isVisible(), c.horizontal);
        EXPECT_EQ(view.verticalScrollBar()->isVisible(), c.vertical);
    }
}

TEST(TextViewSelection, SelectAllCopiesTheTextAsUnicodeLines) {
    TextView view;
    view.SetText("caf\xE9\r\n\x80 5\r\nend");
    view.SelectAll();
    view.CopySelection();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("café\n€ 5\nend"));
}

TEST(TextViewSelection, DraggingSelectsFromPressToRelease) {
    TextView view;
    view.resize(196, 173);
    view.show();
    const std::string text = "first line\r\nsecond line\r\nthird";
    view.SetText(text);
    const int lineHeight = view.LineHeight();
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &event);
    };
    // From the very start of line 1 to past the end of line 2.
    send(QEvent::MouseButtonPress, QPoint(0, 1 + lineHeight + 2), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(190, 1 + 2 * lineHeight + 2), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPoint(190, 1 + 2 * lineHeight + 2), Qt::LeftButton,
         Qt::NoButton);
    auto [begin, end] = view.Selection();
    EXPECT_EQ(text.substr(begin, end - begin), "second line\r\nthird");

    view.CopySelection();
    EXPECT_EQ(QApplication::clipboard()->text(), "second line\nthird");

    view.SetText("new");
    EXPECT_EQ(view.Selection(), (std::pair<size_t, size_t>{0, 0}));
}

} // namespace
} // namespace brindle::qt
