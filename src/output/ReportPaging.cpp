#include "ReportPaging.h"

#include "hydraulics/DisplayOrder.h"
#include "model/ProjectData.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace quenra {

namespace {

constexpr int kLastReportCaptureNumber = 1000;
constexpr int kPageGap = 10; // between pages shown side by side

int Round(double value) {
    return static_cast<int>(std::nearbyint(value));
}

bool Taken(const QString& path) {
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
}

// Newest first; a stable sort of the list built from test 5 down keeps the higher number
// first among equal dates.
QList<int> NewestFirst(const PerTest<bool>& selected, const PerTest<QString>& dates,
                       const QDateTime& now, const QLocale& locale) {
    QList<int> tests;
    for (int test = kTestCount; test >= 1; --test) {
        if (selected[test]) {
            tests << test;
        }
    }
    std::stable_sort(tests.begin(), tests.end(), [&](int a, int b) {
        return TestMoment(dates[a], now, locale) > TestMoment(dates[b], now, locale);
    });
    return tests;
}

} // namespace

ReportOutputLists MakeReportOutputLists(const ProjectData& project, const QDateTime& now,
                                        const QLocale& locale) {
    ReportOutputLists lists;
    lists.PumpTests = NewestFirst(project.PumpTestInGraph, project.PumpTestDate, now, locale);
    lists.HydrantTests = NewestFirst(project.SupplyShowCurve, project.SupplyTestDate, now, locale);
    return lists;
}

int ReportPageCount(const ProjectData& project, const ReportOutputLists& lists, int testsPerPage,
                    bool multipage) {
    if (project.IsHydrantTest) {
        const int perPage = std::max(testsPerPage, 1);
        return static_cast<int>(
            std::trunc(static_cast<double>(lists.HydrantTests.size()) / perPage + 0.9999));
    }
    return static_cast<int>(lists.PumpTests.size()) + (multipage ? 1 : 0);
}

ReportPageSize ComputeReportPageSize(int contentWidth, int contentHeight,
                                     const PageMargins& margins) {
    const double left = margins.Left / 100.0;
    const double right = margins.Right / 100.0;
    const double top = margins.Top / 100.0;
    const double bottom = margins.Bottom / 100.0;
    ReportPageSize page;
    int width = std::max(Round(contentWidth / (1 - left - right)), 1);
    int height = Round(contentHeight / (1 - top - bottom));
    const double aspect = static_cast<double>(height) / width;
    page.TooTall = aspect > kTooTallAspect;
    int x0 = 0;
    int y0 = 0;
    if (aspect <= kLetterAspect) {
        height = Round(width * kLetterAspect);
        x0 = Round(width * left);
        y0 = Round(height * top);
    } else {
        const int old = width;
        width = Round(height / kLetterAspect);
        x0 = Round(old * left + (width - old) / 2.0);
        y0 = Round(height * top);
    }
    if (width > kLargestPageWidth || height > kLargestPageHeight) {
        x0 = width > contentWidth
                 ? std::max(0, Round(static_cast<double>(x0) * (kLargestPageWidth - contentWidth) /
                                     (width - contentWidth)))
                 : 0;
        y0 =
            height > contentHeight
                ? std::max(0, Round(static_cast<double>(y0) * (kLargestPageHeight - contentHeight) /
                                    (height - contentHeight)))
                : 0;
        width = kLargestPageWidth;
        height = kLargestPageHeight;
    }
    page.Width = width;
    page.Height = height;
    page.Left = x0;
    page.Top = y0;
    return page;
}

ReportDisplay ComputeReportDisplay(const ReportPageSize& page, QSize view, ReportMode mode,
                                   bool pageWidthFlag, int pageCount) {
    double width = page.Width;
    double height = page.Height;
    const int w0 = view.width();
    const int h0 = view.height();
    ReportDisplay display;
    if (mode == ReportMode::Zoomed && pageWidthFlag) {
        if (w0 < width) {
            height = std::nearbyint(height * w0 / width);
            width = w0;
        }
        width -= 1;
        height -= 1;
    } else if (mode == ReportMode::OnePage || mode == ReportMode::AllPages) {
        // A side of the view below one pixel counts as the page's own side.
        const double fx = w0 >= 1 ? width / w0 : 1.0;
        const double fy = h0 >= 1 ? height / h0 : 1.0;
        const double f = std::max(fx, fy);
        if (f > 0) {
            width = std::nearbyint(width / f);
            height = std::nearbyint(height / f);
        }
        display.Origin =
            QPoint((w0 - static_cast<int>(width)) / 2, (h0 - static_cast<int>(height)) / 2);
        if (mode == ReportMode::AllPages) {
            const int n = std::max(pageCount, 1);
            const double room = std::trunc(static_cast<double>(w0 - kPageGap * n + kPageGap) / n);
            if (room < width && width > 0) {
                height = std::nearbyint(room * height / width);
                width = room;
            }
            display.Origin =
                QPoint((w0 - kPageGap * n - n * static_cast<int>(width) + kPageGap) / 2,
                       (h0 - static_cast<int>(height)) / 2);
        }
    }
    display.Page =
        QSize(std::max(static_cast<int>(width), 1), std::max(static_cast<int>(height), 1));
    return display;
}

std::optional<QString> ReportCaptureBase(const QString& folder) {
    for (int c = 1; c <= kLastReportCaptureNumber; ++c) {
        const QString base = QDir(folder).filePath(QStringLiteral("Quenra") + QString::number(c));
        if (!Taken(base + QStringLiteral(".jpg")) && !Taken(ReportCaptureFile(base, 1))) {
            return base;
        }
    }
    return std::nullopt;
}

QString ReportCaptureFile(const QString& base, int page) {
    return base + QLatin1Char('-') + QString::number(page) + QStringLiteral(".jpg");
}

QString ReportCapturedMessage(const QString& base, int pageCount) {
    return QStringLiteral("Captured files: ") + ReportCaptureFile(base, 1) +
           QStringLiteral(" to ") + ReportCaptureFile(base, pageCount);
}

QString NoFreeReportCaptureMessage(const QString& folder) {
    return QStringLiteral("Nothing was saved: the capture names Quenra1 to Quenra%1 in [%2] are "
                          "all taken. Move or delete some of those files, then capture again.")
        .arg(kLastReportCaptureNumber)
        .arg(folder);
}

QString ReportPageNotSavedMessage(int page, const QString& error) {
    return QStringLiteral("Report page %1 could not be written.  %2.  No page of this report was "
                          "saved.")
        .arg(QString::number(page), error);
}

QString ReportPagesNotSavedMessage(const QString& error) {
    return QStringLiteral("%1.  No page of this report was saved.").arg(error);
}

} // namespace quenra
