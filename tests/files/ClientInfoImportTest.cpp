#include "files/ClientInfoImport.h"

#include "model/ProjectData.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

namespace quenra {
namespace {

ProjectData Imported(const QString& ini) {
    ProjectData project;
    ImportClientInfoText(project, ini);
    return project;
}

TEST(ClientInfoImportLines, ValueIsEverythingAfterTheFirstEqualsSign) {
    const ProjectData p = Imported(QStringLiteral("ClientAdd1=Suite=5, Dock Road\n"
                                                  "ClientAdd2=\n"
                                                  "SurveyDate== "));
    EXPECT_EQ(p.SiteLocation, "Suite=5, Dock Road");
    EXPECT_EQ(p.CityStateZip, "");
    EXPECT_EQ(p.VisitDate, "= ");
}

TEST(ClientInfoImportLines, KeysAreExactAndCaseSensitive) {
    const ProjectData p = Imported(QStringLiteral(R"ini(clientcompany=lower case
ClientCompany =blank before
 ClientCompany=blank in front
[ClientCompany=in a section line]
ClientCompany
=no key
COMMENT1=upper case
Comment6=one page too many)ini"));
    EXPECT_EQ(p, ProjectData());
}

TEST(ClientInfoImportLines, LongValueIsCutAt999Characters) {
    const QString exact(999, QLatin1Char('a'));
    const QString longer = QString(999, QLatin1Char('b')) + QStringLiteral("tail");
    const ProjectData p =
        Imported("ClientCompany=" + exact + "\nClientAdd1=" + longer + "\nComment1=" + longer);
    EXPECT_EQ(p.ClientName, exact);
    EXPECT_EQ(p.SiteLocation, longer.left(999));
    EXPECT_EQ(p.Comments[1], longer.left(999) + "\r\n");
}

TEST(ClientInfoImportComments, EachCommentKeyAddsALineToANewFirstPage) {
    ProjectData p;
    p.RatedFlow = QStringLiteral("1000");
    p.Comments[1] = QStringLiteral("old line\r\n");
    p.Comments[2] = QStringLiteral("page 2\r\n");
    ImportClientInfoText(p, QStringLiteral(R"ini([Comments]
Comment3=Riser valve chained
Comment1=
SurveyDate=05/06/2007
Comment2=Gauge = 2 in.
Comment3=again)ini"));

    ProjectData expected;
    expected.RatedFlow = QStringLiteral("1000");
    expected.Comments[1] = QStringLiteral("Riser valve chained\r\n\r\nGauge = 2 in.\r\nagain\r\n");
    expected.Comments[2] = QStringLiteral("page 2\r\n");
    expected.VisitDate = QStringLiteral("05/06/2007");
    EXPECT_EQ(p, expected);
}

class ClientInfoImportFileTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = QDir(dir.path()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    ProjectData project;
    test::ScriptedPrompter prompter;
};

TEST_F(ClientInfoImportFileTest, ReadsWindows1252WithAnyLineEnds) {
    const QString path = Write(QStringLiteral("client.ini"), "[Client]\r\n"
                                                             "ClientCompany=Caf\xE9 du Port\n"
                                                             "ClientAdd2=Rouen \x96 76000\r\n"
                                                             "SurveyDate=03/04/2005");
    ASSERT_TRUE(ImportClientInfoFile(project, path, prompter));
    EXPECT_EQ(project.ClientName, QString::fromUtf8("Caf\u00E9 du Port"));
    EXPECT_EQ(project.CityStateZip, QString::fromUtf8("Rouen \u2013 76000"));
    EXPECT_EQ(project.VisitDate, "03/04/2005");
    EXPECT_EQ(project.ProjectFileName, "untitled");
    EXPECT_TRUE(prompter.Messages.isEmpty());
}

TEST_F(ClientInfoImportFileTest, UnreadableFileIsReportedAndLeavesTheRecord) {
    project.ClientName = QStringLiteral("kept");
    const QString missing = QDir(dir.path()).filePath(QStringLiteral("gone.ini"));
    const QString huge = Write(QStringLiteral("huge.ini"), QByteArray(5 * 1024 * 1024, 'x'));
    const std::pair<QString, QString> cases[] = {
        {missing, "File [" + missing + "] not found"},
        {dir.path(), "[" + dir.path() + "] is not a file"},
        {huge, "File [" + huge + "] could not be read"},
    };
    for (const auto& [path, message] : cases) {
        prompter.Messages.clear();
        EXPECT_FALSE(ImportClientInfoFile(project, path, prompter));
        EXPECT_EQ(prompter.Messages, QStringList{message});
        EXPECT_EQ(project.ClientName, "kept");
    }
}

} // namespace
} // namespace quenra
