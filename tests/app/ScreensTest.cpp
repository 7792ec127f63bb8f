// The window on the screens inspectors have: small laptop screens and scaled high-resolution
// ones, where a page taller than the window scrolls and no page is wider than the screen.
#include "MainWindowFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QScrollArea>

#include <gtest/gtest.h>

#include <cmath>

namespace quenra {
namespace {

using test::MainWindowTest;

TEST_F(MainWindowTest, TheWindowNeverOpensLargerThanTheScreen) {
    Start();
    const QSize available = window_->screen()->availableGeometry().size();
    EXPECT_LE(window_->width(), available.width());
    EXPECT_LE(window_->height(), available.height());
}

// A screen of Width x Height pixels at Scale, with a task bar of 40 pixels: the room, in the
// window's own units, that the window has.
struct ScreenCase {
    int Width;
    int Height;
    double Scale;
};

void PrintTo(const ScreenCase& s, std::ostream* out) {
    *out << s.Width << 'x' << s.Height << " at " << s.Scale * 100 << '%';
}

class WindowOnScreen : public MainWindowTest, public ::testing::WithParamInterface<ScreenCase> {
protected:
    QSize Room() const {
        constexpr int kTaskBar = 40;
        return QSize(
            static_cast<int>(std::floor(GetParam().Width / GetParam().Scale)),
            static_cast<int>(std::floor((GetParam().Height - kTaskBar) / GetParam().Scale)));
    }
    // Shows every tab in the room and checks what it shows.
    template <class Check> void ForEveryPage(Check check) {
        for (const char* kind : {"New1", "NewSupplyReport1"}) {
            Trigger(kind);
            for (int tab = 0; tab < Tabs()->count(); ++tab) {
                Tabs()->setCurrentIndex(tab);
                window_->resize(Room());
                QApplication::processEvents();
                check(QStringLiteral("%1 tab %2").arg(QLatin1String(kind)).arg(tab));
            }
        }
    }
};

TEST_P(WindowOnScreen, EveryPageFitsAndScrollsWhenTaller) {
    Start();
    const QSize room = Room();
    ForEveryPage([&](const QString& where) {
        EXPECT_LE(window_->width(), room.width()) << where.toStdString();
        EXPECT_LE(window_->height(), room.height()) << where.toStdString();
        for (QScrollArea* area : window_->findChildren<QScrollArea*>()) {
            // Pages scroll up and down; a block inside that scrolls sideways (a wide table)
            // is not a page.
            if (!area->isVisible() || !area->widget() ||
                area->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
                continue;
            }
            // A page may be taller than its frame, which scrolls, but never wider than the room.
            EXPECT_LE(area->widget()->minimumSizeHint().width(), room.width())
                << where.toStdString() << ' ' << area->objectName().toStdString();
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowOnScreen,
                         ::testing::Values(ScreenCase{1366, 768, 1.0}, ScreenCase{1366, 768, 1.5},
                                           ScreenCase{1366, 768, 2.0}, ScreenCase{1920, 1080, 1.0},
                                           ScreenCase{1920, 1080, 1.5},
                                           ScreenCase{1920, 1080, 2.0}));

// Long choices are read in full in the open list.
TEST_F(MainWindowTest, OpenListsAreAsWideAsTheirLongestItem) {
    Start();
    int lists = 0;
    const auto check = [&] {
        for (QComboBox* combo : window_->findChildren<QComboBox*>()) {
            if (!combo->isVisible() || combo->count() == 0) {
                continue;
            }
            ++lists;
            const QFontMetrics metrics(combo->view()->font());
            int widest = 0;
            for (int item = 0; item < combo->count(); ++item) {
                widest = std::max(widest, metrics.horizontalAdvance(combo->itemText(item)));
            }
            combo->showPopup();
            EXPECT_GE(combo->view()->viewport()->width(), widest)
                << combo->objectName().toStdString();
            combo->hidePopup();
        }
    };
    for (const char* kind : {"New1", "NewSupplyReport1"}) {
        Trigger(kind);
        for (int tab = 0; tab < Tabs()->count(); ++tab) {
            Tabs()->setCurrentIndex(tab);
            check();
        }
    }
    EXPECT_GT(lists, 20);
    // A list rebuilt for another unit system is measured again.
    Trigger("New1");
    Find<QComboBox>("Units1")->setCurrentIndex(1);
    Tabs()->setCurrentIndex(2);
    check();
}

} // namespace
} // namespace quenra
