#pragma once

#include "app/MainWindow.h"
#include "platform/Shell.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QLineEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace quenra::test {

class RecordingShell : public Shell {
public:
    bool StartProgram(const QString& program, const QStringList&, const QString& folder) override {
        Started << program + QStringLiteral(" in ") + folder;
        return false;
    }
    bool OpenDocument(const QString& path) override {
        Opened << path;
        return true;
    }
    QStringList Started;
    QStringList Opened;
};

class MainWindowTest : public ::testing::Test {
protected:
    void Start(const QString& startFile = QString()) {
        window_ = std::make_unique<MainWindow>(prompter_, shell_, folder_.path(), startFile);
        window_->show();
    }
    ProjectData& Project() { return window_->Project(); }

    template <class T> T* Find(const char* name) {
        T* widget = window_->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Type(const char* name, const QString& text) {
        auto* edit = Find<QLineEdit>(name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void Trigger(const char* action) { Find<QAction>(action)->trigger(); }
    QTabBar* Tabs() { return Find<QTabBar>("TabControl1"); }
    QStringList TabTexts(QTabBar* tabs) {
        QStringList texts;
        for (int i = 0; i < tabs->count(); ++i) {
            texts << tabs->tabText(i);
        }
        return texts;
    }
    QString Path(const QString& name) const { return folder_.filePath(name); }
    bool Visible(const char* name) { return Find<QWidget>(name)->isVisible(); }

    QTemporaryDir folder_;
    ScriptedPrompter prompter_;
    RecordingShell shell_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace quenra::test
