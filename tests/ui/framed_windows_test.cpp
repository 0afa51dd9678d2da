// SPDX-License-Identifier: GPL-3.0-or-later
// What only a window manager shows: the frame and its title-bar icon. Run
// under openbox on an X server (tests/ui/CMakeLists.txt); offscreen a frame
// equals its client and nothing here would be proved.
#include "support/wait_for.h"
#include "ui/instructions/instructions_window.h"
#include "ui/progress/progress_dialog.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace korvex::testing {
namespace {

xcb_connection_t* display() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

// The 32-bit items of a window's property; none when it is not set.
std::vector<quint32> property(xcb_window_t window, const char* name) {
    xcb_connection_t* x = display();
    auto* atom = xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    auto* reply = xcb_get_property_reply(
        x, xcb_get_property(x, 0, window, atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 16),
        nullptr);
    const auto* items = static_cast<const quint32*>(xcb_get_property_value(reply));
    std::vector<quint32> values(items, items + xcb_get_property_value_length(reply) / 4);
    std::free(reply);
    std::free(atom);
    return values;
}

class FramedWindows : public ::testing::Test {
protected:
    // openbox starts beside this program: a window shown before it manages
    // the screen would never be framed.
    static void SetUpTestSuite() {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(display())).data->root;
        ASSERT_TRUE(waitFor([&] { return !property(root, "_NET_SUPPORTING_WM_CHECK").empty(); }));
    }
};

TEST_F(FramedWindows, ProgressDialogNamesAnIconThatShowsNothing) {
    ProgressDialog dialog;
    dialog.show();
    const std::vector<quint32> icon = property(dialog.winId(), "_NET_WM_ICON");
    ASSERT_GT(icon.size(), 2U); // width, height, then one ARGB value a pixel
    const auto opaque =
        std::count_if(icon.begin(), icon.end(), [](quint32 argb) { return argb >> 24; });
    EXPECT_EQ(opaque, 0) << "of " << icon.size() << " items";
}

TEST_F(FramedWindows, ManualTextAreaFitsTheFrameFromTheFirstShow) {
    QTemporaryDir dir;
    QFile manual(dir.filePath(QStringLiteral("Korvex_Config.rtf")));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly) && manual.write("{\\rtf1 Manual}") > 0);
    manual.close();
    InstructionsWindow window;
    window.setSearchDirectories({dir.path()});
    window.openDocument(QStringLiteral("Korvex_Config.rtf"), QStringLiteral("Manual"));
    ASSERT_TRUE(waitFor([&] { return window.frameGeometry().size() != window.size(); }));
    const auto formula = [&] {
        const QSize outer = window.frameGeometry().size();
        return QRect(0, 0, std::max(1, outer.width() - window.twipsToPixelsX(120)),
                     std::max(1, outer.height() - window.twipsToPixelsY(480)));
    };
    EXPECT_TRUE(waitFor([&] { return window.textArea()->geometry() == formula(); }))
        << "text area " << window.textArea()->width() << "x" << window.textArea()->height()
        << ", outer " << window.frameGeometry().width() << "x" << window.frameGeometry().height();
}

} // namespace
} // namespace korvex::testing
