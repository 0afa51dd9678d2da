// SPDX-License-Identifier: GPL-3.0-or-later
// The window in other languages: every caption, button and frame title in the
// catalogue's words and with room for them. The pseudo-locale brackets each
// text, so one without its brackets was not translated, and one clipped
// would show it.
#include "setup_harness.h"
#include "ui/progress/progress_dialog.h"
#include "ui/setup/port_hint.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTranslator>

namespace korvex::testing {
namespace {

struct Catalogue {
    const char* name;
    bool bracketsEveryText; // the pseudo-locale's
};

// Installed before the window exists, as the program does.
class InstalledCatalogue {
protected:
    InstalledCatalogue() {
        const char* name = ::testing::WithParamInterface<Catalogue>::GetParam().name;
        EXPECT_TRUE(translator_.load(QString::fromLatin1(name), QStringLiteral(KORVEX_QM_DIR)));
        QCoreApplication::installTranslator(&translator_);
    }
    ~InstalledCatalogue() { QCoreApplication::removeTranslator(&translator_); }

private:
    QTranslator translator_;
};

class TranslatedWindowTest : public InstalledCatalogue,
                             public SetupTest,
                             public ::testing::WithParamInterface<Catalogue> {
protected:
    void expectShown(const QString& shown, bool fits) const {
        const QString text = shown.trimmed();
        EXPECT_TRUE(fits) << "clipped: " << text.toStdString();
        if (GetParam().bracketsEveryText) {
            EXPECT_TRUE(text.startsWith(u'[') && text.endsWith(u']'))
                << "untranslated: " << text.toStdString();
        }
    }
    void expectEveryTextShown(const QWidget& top) const {
        expectShown(top.windowTitle(), true);
        for (const QLabel* label : top.findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                expectShown(label->text(),
                            label->wordWrap()
                                ? label->heightForWidth(label->width()) <= label->height()
                                : label->sizeHint().width() <= label->width());
        }
        for (const QAbstractButton* button : top.findChildren<QAbstractButton*>())
            expectShown(button->text(), button->sizeHint().width() <= button->width());
        for (const QGroupBox* frame : top.findChildren<QGroupBox*>())
            expectShown(frame->title(), frame->minimumSizeHint().width() <= frame->width());
    }
};

TEST_P(TranslatedWindowTest, EveryTextIsTranslatedAndFits) {
    showActive();
    // The hint over "Comm num:" has its words only once a port comes.
    PortDescription adapter;
    adapter.device = QStringLiteral("/dev/ttyUSB0");
    window->findChild<PortHint*>()->showAppeared({3, adapter});
    expectEveryTextShown(*window);
    ProgressDialog& progress = *window->progressDialog();
    progress.showStarted({QStringLiteral("/dev/ttyUSB0"), 1});
    expectEveryTextShown(progress);
    progress.showCompleted();
    expectEveryTextShown(progress);
}

INSTANTIATE_TEST_SUITE_P(Catalogues, TranslatedWindowTest,
                         ::testing::Values(Catalogue{"korvex_en_XA", true},
                                           Catalogue{"korvex_it", false},
                                           Catalogue{"korvex_de", false},
                                           Catalogue{"korvex_es", false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace korvex::testing
