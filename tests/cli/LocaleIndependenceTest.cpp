#include "BatchRun.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

namespace quenra {
namespace {

using test::Example;
using test::RunBatch;

// Makes `locale` the one the program reads its environment as, until the end of the scope.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale saved_;
};

// What the report and curve commands give for one project in one locale: the page images in
// order and the curve rebuild.
struct Outputs {
    QList<QByteArray> Pages;
    QString Curves;
};

Outputs RunIn(const QLocale& locale, const QString& project) {
    const DefaultLocale inLocale(locale);
    QTemporaryDir folder;
    Outputs outputs;
    const test::BatchRun report = RunBatch({QStringLiteral("--report"), project,
                                            QDir(folder.path()).filePath(QStringLiteral("page"))});
    EXPECT_EQ(report.Status, 0) << report.Prompter.Messages.join('\n').toStdString();
    for (const QString& name : report.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QFile page(name);
        EXPECT_TRUE(page.open(QIODevice::ReadOnly)) << name.toStdString();
        outputs.Pages.append(page.readAll());
    }
    const test::BatchRun curves = RunBatch({QStringLiteral("--curves"), project});
    EXPECT_EQ(curves.Status, 0);
    outputs.Curves = curves.Out;
    return outputs;
}

class LocaleIndependence : public ::testing::TestWithParam<const char*> {};

// Containers and headless jobs run in the C locale, inspectors in theirs: the dates of US
// files order the tests the same in each, so pages and curves are the same.
TEST_P(LocaleIndependence, ReportPagesAndCurvesAreTheSameInEveryLocale) {
    const QString project = Example(GetParam());
    // The first report a process draws can differ from later ones in the smoothing of the logo's
    // edges (the same in every locale); one run first, so that only the locale differs below.
    RunIn(QLocale(QLocale::English, QLocale::UnitedStates), project);
    const Outputs us = RunIn(QLocale(QLocale::English, QLocale::UnitedStates), project);
    ASSERT_FALSE(us.Pages.isEmpty());
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        SCOPED_TRACE(locale.name().toStdString());
        const Outputs other = RunIn(locale, project);
        ASSERT_EQ(other.Pages.size(), us.Pages.size());
        for (qsizetype page = 0; page < us.Pages.size(); ++page) {
            EXPECT_TRUE(other.Pages[page] == us.Pages[page]) << "page " << page + 1 << " differs";
        }
        EXPECT_EQ(other.Curves.toStdString(), us.Curves.toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, LocaleIndependence,
                         ::testing::Values("Plant.qrx", "Hydrant.qrx"));

} // namespace
} // namespace quenra
