#include "CommandLine.h"

#include <gtest/gtest.h>

namespace quenra::img2pdf {
namespace {

// The parameter text as the program builds it for an append: note the doubled blanks after
// "-p 1" and after the quoted output.
const QString kProgramText = QStringLiteral(
    " -p 1  -r 330 -u \"Morvek LLC\" -d \"Quenra Version 3.001\" -t \"Plant\" "
    "-l \"C:\\Program Files\\Quenra\\log.txt\" -o \"C:\\Users\\Jürgen\\Fire Pumps\\Plant.pdf\" "
    " \"C:\\Program Files\\Quenra\\PDF\\*.*\"");

TEST(CommandLineSplit, ReadsTheProgramsParameterText) {
    const QStringList expected = {QStringLiteral("-p"),
                                  QStringLiteral("1"),
                                  QStringLiteral("-r"),
                                  QStringLiteral("330"),
                                  QStringLiteral("-u"),
                                  QStringLiteral("Morvek LLC"),
                                  QStringLiteral("-d"),
                                  QStringLiteral("Quenra Version 3.001"),
                                  QStringLiteral("-t"),
                                  QStringLiteral("Plant"),
                                  QStringLiteral("-l"),
                                  QStringLiteral("C:\\Program Files\\Quenra\\log.txt"),
                                  QStringLiteral("-o"),
                                  QStringLiteral("C:\\Users\\Jürgen\\Fire Pumps\\Plant.pdf"),
                                  QStringLiteral("C:\\Program Files\\Quenra\\PDF\\*.*")};
    EXPECT_EQ(CommandLine::Split(kProgramText), expected);
}

TEST(CommandLineSplit, FollowsTheWindowsQuoteAndBackslashRules) {
    // Quotes may start or stop anywhere in an argument.
    EXPECT_EQ(CommandLine::Split(u"a\"b c\"d e"),
              (QStringList{QStringLiteral("ab cd"), QStringLiteral("e")}));
    // An empty quoted value is still an argument: a blank title must not eat the next option.
    EXPECT_EQ(
        CommandLine::Split(u"-t \"\" -l x"),
        (QStringList{QStringLiteral("-t"), QString(), QStringLiteral("-l"), QStringLiteral("x")}));
    // \" and "" inside quotes are quote characters.
    EXPECT_EQ(CommandLine::Split(u"\"say \\\"hi\\\"\" \"it\"\"s\""),
              (QStringList{QStringLiteral("say \"hi\""), QStringLiteral("it\"s")}));
    // Backslashes are plain unless a quote follows; before a quote they are halved.
    EXPECT_EQ(CommandLine::Split(u"C:\\a\\b \"D:\\x y\\\\\" e\\\\\\\"f"),
              (QStringList{QStringLiteral("C:\\a\\b"), QStringLiteral("D:\\x y\\"),
                           QStringLiteral("e\\\"f")}));
    // Tabs and line ends separate too; an unclosed quote runs to the end.
    EXPECT_EQ(CommandLine::Split(u"\ta\r\n \"b c"),
              (QStringList{QStringLiteral("a"), QStringLiteral("b c")}));
    EXPECT_TRUE(CommandLine::Split(u"   ").isEmpty());
}

TEST(CommandLineArguments, SplitsOnlyASingleArgument) {
    EXPECT_EQ(
        CommandLine::Arguments({QStringLiteral("-o \"a b.pdf\" x.jpg")}),
        (QStringList{QStringLiteral("-o"), QStringLiteral("a b.pdf"), QStringLiteral("x.jpg")}));
    // An argument list is taken as it is, blanks and quotes included.
    const QStringList list = {QStringLiteral("-o"), QStringLiteral("a \"b\".pdf"),
                              QStringLiteral("x y.jpg")};
    EXPECT_EQ(CommandLine::Arguments(list), list);
}

TEST(CommandLineParse, ReadsEveryOption) {
    QString error;
    const ConverterOptions options = CommandLine::Parse(CommandLine::Split(kProgramText), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(options.existingPages, ExistingPages::AppendAfter);
    EXPECT_EQ(options.pixelsPerInch, 330.0);
    EXPECT_EQ(options.author, QStringLiteral("Morvek LLC"));
    EXPECT_EQ(options.subject, QStringLiteral("Quenra Version 3.001"));
    EXPECT_EQ(options.title, QStringLiteral("Plant"));
    EXPECT_EQ(options.logPath, QStringLiteral("C:\\Program Files\\Quenra\\log.txt"));
    EXPECT_EQ(options.outputPath, QStringLiteral("C:\\Users\\Jürgen\\Fire Pumps\\Plant.pdf"));
    EXPECT_EQ(options.imagePatterns,
              QStringList{QStringLiteral("C:\\Program Files\\Quenra\\PDF\\*.*")});

    const ConverterOptions insert = CommandLine::Parse(
        {QStringLiteral("-p"), QStringLiteral("0"), QStringLiteral("-o"), QStringLiteral("o.pdf"),
         QStringLiteral("a.jpg"), QStringLiteral("b.jpg")},
        &error);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(insert.existingPages, ExistingPages::InsertBefore);
    EXPECT_FALSE(insert.pixelsPerInch.has_value());
    EXPECT_FALSE(insert.author.has_value());
    EXPECT_FALSE(insert.title.has_value());
    EXPECT_EQ(insert.imagePatterns,
              (QStringList{QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}));
}

TEST(CommandLineParse, TakesValuesThatLookLikeOptionsAndImagesAfterDoubleDash) {
    QString error;
    const ConverterOptions options =
        CommandLine::Parse({QStringLiteral("-t"), QStringLiteral("-draft-"), QStringLiteral("-o"),
                            QStringLiteral("out.pdf"), QStringLiteral("--"),
                            QStringLiteral("-1.jpg"), QStringLiteral("-o")},
                           &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(options.title, QStringLiteral("-draft-"));
    EXPECT_EQ(options.outputPath, QStringLiteral("out.pdf"));
    EXPECT_EQ(options.imagePatterns, (QStringList{QStringLiteral("-1.jpg"), QStringLiteral("-o")}));
}

struct Mistake {
    QStringList arguments;
    const char* expectedError;
};

TEST(CommandLineParse, NamesTheFirstMistakeAndStillFindsTheLog) {
    const Mistake mistakes[] = {
        {{"-p", "2", "-l", "log.txt", "-o", "o.pdf", "a.jpg"},
         "-p takes 1 (append) or 0 (insert), not \"2\""},
        {{"-r", "0", "-l", "log.txt", "-o", "o.pdf", "a.jpg"},
         "-r takes a number of pixels per inch above 0, not \"0\""},
        {{"-r", "abc", "-r", "-5", "-l", "log.txt", "-o", "o.pdf", "a.jpg"},
         "-r takes a number of pixels per inch above 0, not \"abc\""},
        {{"-r", "inf", "-l", "log.txt", "-o", "o.pdf", "a.jpg"},
         "-r takes a number of pixels per inch above 0, not \"inf\""},
        {{"-x", "-l", "log.txt", "-o", "o.pdf", "a.jpg"}, "Unknown option -x"},
        {{"-l", "log.txt", "a.jpg"}, "No output file: give one with -o"},
        {{"-l", "log.txt", "-o", "o.pdf"},
         "No images: name the JPEG files or a pattern such as PDF/*.jpg"},
        {{"-l", "log.txt", "-o", "o.pdf", "a.jpg", "-t"}, "The option -t needs a value"},
    };
    for (const Mistake& mistake : mistakes) {
        QString error;
        const ConverterOptions options = CommandLine::Parse(mistake.arguments, &error);
        EXPECT_EQ(error, QString::fromUtf8(mistake.expectedError))
            << mistake.arguments.join(u' ').toStdString();
        EXPECT_EQ(options.logPath, QStringLiteral("log.txt"));
    }
}

} // namespace
} // namespace quenra::img2pdf
