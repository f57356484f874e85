#pragma once
// A main window driven tick by tick, with message boxes and file dialogs
// answered by the test instead of a user.

#include "app/form_hlav.h"
#include "app/message_box.h"
#include "link/serial_port.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

// A port that opens, never answers and records what was written.
struct TRecordingPort : ISerialPort {
    std::vector<std::vector<uint8_t>>* writes;
    explicit TRecordingPort(std::vector<std::vector<uint8_t>>* w) : writes(w) {}
    bool open = false;
    bool Open(const std::string&) override { return open = true; }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    int BytesWaiting() override { return 0; }
    int Read(uint8_t*, int) override { return 0; }
    bool Write(const uint8_t* d, int n) override {
        writes->emplace_back(d, d + n);
        return true;
    }
    void WaitTransmitEmpty() override {}
};

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Every test starts from a fresh installation.
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).removeRecursively();
        QDir(qEnvironmentVariable("XDG_DATA_HOME")).removeRecursively();
        SetMessageBoxFunction([this](QWidget*, const TBoxRequest& r) {
            boxes.push_back(r);
            return answers.empty() ? TBoxAnswer::Yes : Pop(answers);
        });
        SetFileDialogFunction([this](QWidget*, const TFileDialogRequest& r) {
            dialogs.push_back(r);
            return dialogAnswers.empty() ? QString() : Pop(dialogAnswers);
        });
    }
    void TearDown() override {
        form.reset();
        SetMessageBoxFunction({});
        SetFileDialogFunction({});
    }

    void Start(QStringList args = {}, bool withPort = true) {
        TFormOptions o;
        o.arguments = args;
        o.runTimer = false;
        o.programDir = dir.path();
        if (withPort) o.makePort = [this] { return std::make_unique<TRecordingPort>(&writes); };
        o.portNamer = [](int i) { return "/dev/fake" + std::to_string(i); };
        form = std::make_unique<TFormHlav>(std::move(o));
    }

    void Ticks(int n) {
        for (int i = 0; i < n; ++i) form->Timer1Timer();
    }

    // Types into an edit and presses Enter.
    void TypeAndEnter(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    template <typename T>
    static T Pop(std::deque<T>& q) {
        T v = q.front();
        q.pop_front();
        return v;
    }

    QTemporaryDir dir;
    std::unique_ptr<TFormHlav> form;
    std::vector<TBoxRequest> boxes;
    std::deque<TBoxAnswer> answers;
    std::vector<TFileDialogRequest> dialogs;
    std::deque<QString> dialogAnswers;
    std::vector<std::vector<uint8_t>> writes;
};
