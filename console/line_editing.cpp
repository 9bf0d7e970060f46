// Line editing and history on a terminal, with libedit.
//
// The console keeps reading std::cin and writing std::cout as everywhere
// else. On a terminal, std::cin's buffer gets each line from el_gets, and
// std::cout's buffer holds back the text written after the last newline:
// that unfinished line is the question being asked, and libedit must print
// it itself to redraw the line being edited. The lines a stream would
// deliver are the same characters, so extraction, retries (the discarding
// of at most 255 characters) and numbers carried over to the next question
// work as on any other input.
#include "console/line_editing.hpp"

#include <histedit.h>
#include <unistd.h>

#include <cstdio>
#include <ios>
#include <iostream>
#include <streambuf>
#include <string>

namespace revareza {
namespace {

constexpr int QUESTION_COUNT = static_cast<int>(Question::CENTRE) + 1;
// Answers kept per question; far more than a session types.
constexpr int HISTORY_SIZE = 1000;

// std::cout's buffer on a terminal: whole lines go on to the terminal's own
// buffer as they are written, the text after the last newline waits.
class HeldPrompt : public std::streambuf {
public:
    explicit HeldPrompt(std::streambuf& terminal) : terminal_(&terminal) {}

    // The unfinished line, taken away; everything written before it has
    // reached the terminal.
    std::string take()
    {
        std::string prompt;
        prompt.swap(held_);
        terminal_->pubsync();
        return prompt;
    }

    // At the end: what is held goes out as it is.
    void release()
    {
        terminal_->sputn(held_.data(), static_cast<std::streamsize>(held_.size()));
        held_.clear();
        terminal_->pubsync();
    }

    std::streambuf& terminal() const { return *terminal_; }

protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        held_.append(text, static_cast<std::size_t>(count));
        return pass_whole_lines() ? count : 0;
    }

    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::not_eof(c);
        }
        const char ch = traits_type::to_char_type(c);
        return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
    }

    // A flush writes out the whole lines only: the prompt waits for the
    // read, which always follows it.
    int sync() override { return pass_whole_lines() && terminal_->pubsync() == 0 ? 0 : -1; }

private:
    // False when the terminal did not take them all, which the stream
    // reports as a failed write.
    bool pass_whole_lines()
    {
        const std::size_t last_newline = held_.rfind('\n');
        if (last_newline == std::string::npos) {
            return true;
        }
        const auto length = static_cast<std::streamsize>(last_newline + 1);
        const bool written = terminal_->sputn(held_.data(), length) == length;
        held_.erase(0, last_newline + 1);
        return written;
    }

    std::streambuf* terminal_;
    std::string held_;
};

// std::cin's buffer on a terminal: one line from el_gets at a time, each
// question with a history of its own.
class EditedLines : public std::streambuf {
public:
    EditedLines()
        : editor_(el_init("revareza", stdin, stdout, stderr)),
          saved_in_(std::cin.rdbuf()),
          output_(*std::cout.rdbuf())
    {
        if (editor_ == nullptr) {
            return;
        }
        el_set(editor_, EL_CLIENTDATA, this);
        el_set(editor_, EL_PROMPT, &EditedLines::prompt_of);
        el_set(editor_, EL_EDITOR, "emacs");
        // Ctrl-C, Ctrl-Z and the like put the terminal back the way it
        // was before the signal takes its usual course.
        el_set(editor_, EL_SIGNAL, 1);
        HistEvent event;
        for (History*& history_of_question : histories_) {
            history_of_question = history_init();
            history(history_of_question, &event, H_SETSIZE, HISTORY_SIZE);
            history(history_of_question, &event, H_SETUNIQUE, 1);
        }
        answer(Question::MENU);
        std::cin.rdbuf(this);
        std::cout.rdbuf(&output_);
    }

    // At the end of the process, before the standard streams' last flush:
    // they get their own buffers back.
    ~EditedLines() override
    {
        if (editor_ == nullptr) {
            return;
        }
        std::cin.rdbuf(saved_in_);
        std::cout.rdbuf(&output_.terminal());
        output_.release();
        el_end(editor_);
        for (History* history_of_question : histories_) {
            history_end(history_of_question);
        }
    }

    EditedLines(const EditedLines&) = delete;
    EditedLines& operator=(const EditedLines&) = delete;

    void answer(Question question)
    {
        question_ = static_cast<int>(question);
        el_set(editor_, EL_HIST, history, histories_[question_]);
    }

protected:
    int_type underflow() override
    {
        if (gptr() < egptr()) {
            return traits_type::to_int_type(*gptr());
        }
        // The end of the input stays the end, as a file's does.
        if (ended_) {
            return traits_type::eof();
        }
        prompt_ = output_.take();
        int count = 0;
        const char* const line = el_gets(editor_, &count);
        if (count < 0) {
            // A read error: a stream learns of it only from an exception
            // out of its buffer, which it turns into badbit, as it does for
            // a file's buffer.
            throw std::ios_base::failure("read error on the terminal");
        }
        if (line == nullptr || count == 0) {
            // Ctrl-D on an empty line. The shell's prompt starts a line of
            // its own, not after the question.
            ended_ = true;
            output_.terminal().sputc('\n');
            output_.terminal().pubsync();
            return traits_type::eof();
        }
        line_.assign(line, static_cast<std::size_t>(count));
        remember(line_);
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    static char* prompt_of(EditLine* editor)
    {
        void* self = nullptr;
        el_get(editor, EL_CLIENTDATA, &self);
        return static_cast<EditedLines*>(self)->prompt_.data();
    }

    // The line without its newline, unless it is blank or repeats the
    // question's last answer.
    void remember(const std::string& line)
    {
        const std::size_t end = line.find_last_not_of(" \t\r\n\v\f");
        if (end == std::string::npos) {
            return;
        }
        HistEvent event;
        history(histories_[question_], &event, H_ENTER, line.substr(0, end + 1).c_str());
    }

    EditLine* editor_;
    std::streambuf* saved_in_;
    HeldPrompt output_;
    History* histories_[QUESTION_COUNT] = {};
    int question_ = 0;
    std::string prompt_;
    std::string line_;
    bool ended_ = false;
};

} // namespace

void start_line_editing()
{
    if (isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1) {
        // Lives to the end of the process, however it ends; being made
        // after the standard streams, it is destroyed before their last
        // flush.
        static EditedLines lines;
    }
}

void answering(Question question)
{
    if (auto* const lines = dynamic_cast<EditedLines*>(std::cin.rdbuf())) {
        lines->answer(question);
    }
}

} // namespace revareza
