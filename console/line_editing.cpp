// Line editing and history on a terminal, with libedit.
//
// The console reads its input stream and writes its output stream as
// everywhere else. On a terminal, the input's buffer gets each line from
// el_wgets, and the output's buffer holds back the text written after the
// last newline: that unfinished line is the question being asked, and
// libedit must print it itself to redraw the line being edited. The lines
// a stream would deliver are the same characters, so extraction, retries
// (the discarding of at most 255 characters) and numbers carried over to
// the next question work as on any other input.
//
// The program never sets a locale, so that nothing it reads depends on its
// environment: to libedit each byte is one character, and the C library's
// conversions know no byte above 0x7F. So libedit is given the bytes as
// wide characters of the same values and gives them back the same way,
// never through those conversions, and every byte from 0x80 up is a key
// that inserts itself (emacs mode takes them for Meta keys otherwise:
// 0xC2, the lead byte of a no-break space, is Meta-B, backward-word). A
// line with a non-ASCII character thus reaches the number reader as typed,
// and is refused as from a pipe; libedit shows each such byte as
// \U+00XX, in ASCII, so the cursor stays where libedit counts it.
//
// libedit's own signal handling is not used: it sends the signal on to the
// whole process group, which kills the shell that started the program. The
// handlers here put the terminal back and let the signal act on this
// process alone.
#include "console/line_editing.hpp"

#include <histedit.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ios>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>

namespace revareza {
namespace {

constexpr int QUESTION_COUNT = static_cast<int>(Question::CENTRE) + 1;
// Answers kept per question; far more than a session types.
constexpr int HISTORY_SIZE = 1000;
// Keys libedit takes for one line. A line longer than the terminal's own
// line buffer is no typed answer but a paste: the rest of it is read
// as it comes, in constant memory, as a pipe would deliver it.
constexpr int LINE_KEYS = 4096;
// Bytes of a long line's rest read at a time.
constexpr std::size_t CHUNK = 65536;

// The terminal as it was before the program changed it, for the signal
// handlers; written once before they are installed.
struct termios original_terminal;

// Signals whose usual action ends the process; with the terminal in
// libedit's mode, it must first be put back.
constexpr int ENDING_SIGNALS[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM};
constexpr int SIGNAL_COUNT = 4;

volatile sig_atomic_t window_resized = 0;

// Only async-signal-safe calls in the handlers.
void act_as_by_default(int signal_number)
{
    struct sigaction by_default = {};
    by_default.sa_handler = SIG_DFL;
    sigemptyset(&by_default.sa_mask);
    sigaction(signal_number, &by_default, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal_number);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    raise(signal_number);
}

extern "C" void end_on_signal(int signal_number)
{
    tcsetattr(STDIN_FILENO, TCSANOW, &original_terminal);
    act_as_by_default(signal_number); // ends the process with the signal's status
}

extern "C" void stop_on_signal(int signal_number);

void install(int signal_number, void (*handler)(int), int flags)
{
    struct sigaction action = {};
    action.sa_handler = handler;
    action.sa_flags = flags;
    sigemptyset(&action.sa_mask);
    sigaction(signal_number, &action, nullptr);
}

// Ctrl-Z: the terminal goes back to the shell as it was, and comes back to
// libedit's mode when the process is continued.
extern "C" void stop_on_signal(int signal_number)
{
    const int saved_errno = errno;
    struct termios editing;
    const bool editing_known = tcgetattr(STDIN_FILENO, &editing) == 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &original_terminal);
    act_as_by_default(signal_number); // stopped here until continued
    install(signal_number, stop_on_signal, SA_RESTART);
    if (editing_known) {
        tcsetattr(STDIN_FILENO, TCSANOW, &editing);
    }
    errno = saved_errno;
}

extern "C" void note_resize(int)
{
    window_resized = 1;
}

// Installs the handlers for the life of line editing, and puts the
// previous ones back after. A signal the program was started ignoring
// (nohup, a background job's SIGINT) stays ignored.
class TerminalSignals {
public:
    TerminalSignals()
    {
        for (int i = 0; i < SIGNAL_COUNT; ++i) {
            sigaction(ENDING_SIGNALS[i], nullptr, &previous_[i]);
            if (previous_[i].sa_handler != SIG_IGN) {
                install(ENDING_SIGNALS[i], end_on_signal, 0);
            }
        }
        sigaction(SIGTSTP, nullptr, &previous_stop_);
        if (previous_stop_.sa_handler != SIG_IGN) {
            install(SIGTSTP, stop_on_signal, SA_RESTART);
        }
        sigaction(SIGWINCH, nullptr, &previous_resize_);
        install(SIGWINCH, note_resize, SA_RESTART);
    }

    ~TerminalSignals()
    {
        for (int i = 0; i < SIGNAL_COUNT; ++i) {
            sigaction(ENDING_SIGNALS[i], &previous_[i], nullptr);
        }
        sigaction(SIGTSTP, &previous_stop_, nullptr);
        sigaction(SIGWINCH, &previous_resize_, nullptr);
    }

    TerminalSignals(const TerminalSignals&) = delete;
    TerminalSignals& operator=(const TerminalSignals&) = delete;

private:
    struct sigaction previous_[SIGNAL_COUNT];
    struct sigaction previous_stop_;
    struct sigaction previous_resize_;
};

// libedit's messages (an unknown TERM's, say) are in English and for
// nobody here: they go to this stream, which takes and drops them.
ssize_t drop(void*, const char*, std::size_t size)
{
    return static_cast<ssize_t>(size);
}

FILE* open_sink()
{
    cookie_io_functions_t functions = {};
    functions.write = drop;
    return fopencookie(nullptr, "w", functions);
}

// The output's buffer on a terminal: whole lines go on to the terminal's
// own buffer as they are written, the text after the last newline waits.
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

// The input's buffer on a terminal: one line from el_wgets at a time, each
// question with a history of its own.
class EditedLines : public std::streambuf {
public:
    explicit EditedLines(std::streambuf& terminal_output)
        : errors_(open_sink()),
          editor_(errors_ == nullptr ? nullptr : el_init("revareza", stdin, stdout, errors_)),
          output_(terminal_output)
    {
        if (editor_ == nullptr) {
            return;
        }
        el_set(editor_, EL_CLIENTDATA, this);
        el_set(editor_, EL_PROMPT, &EditedLines::prompt_of);
        el_set(editor_, EL_EDITOR, "emacs");
        // After the editor: setting it made Esc b, Esc f... sequences of
        // their own, which stay.
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const wchar_t key[] = {static_cast<wchar_t>(byte), L'\0'};
            el_wset(editor_, EL_BIND, key, L"ed-insert", static_cast<const wchar_t*>(nullptr));
        }
        el_set(editor_, EL_GETCFN, &EditedLines::read_key);
        HistEventW event;
        for (HistoryW*& history_of_question : histories_) {
            history_of_question = history_winit();
            history_w(history_of_question, &event, H_SETSIZE, HISTORY_SIZE);
            history_w(history_of_question, &event, H_SETUNIQUE, 1);
        }
        answer(Question::MENU);
    }

    ~EditedLines() override
    {
        if (rest_of_long_line_) {
            end_rest();
        }
        if (editor_ != nullptr) {
            output_.release();
            el_end(editor_);
            for (HistoryW* history_of_question : histories_) {
                history_wend(history_of_question);
            }
        }
        if (errors_ != nullptr) {
            std::fclose(errors_);
        }
    }

    EditedLines(const EditedLines&) = delete;
    EditedLines& operator=(const EditedLines&) = delete;

    bool ready() const { return editor_ != nullptr; }

    std::streambuf& output() { return output_; }

    void answer(Question question)
    {
        question_ = static_cast<int>(question);
        el_wset(editor_, EL_HIST, history_w, histories_[question_]);
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
        return rest_of_long_line_ ? read_rest() : read_line();
    }

private:
    static EditedLines& of(EditLine* editor)
    {
        void* self = nullptr;
        el_get(editor, EL_CLIENTDATA, &self);
        return *static_cast<EditedLines*>(self);
    }

    static char* prompt_of(EditLine* editor) { return of(editor).prompt_.data(); }

    // libedit's source of keys: the terminal's bytes one by one, each a
    // character as the program reads bytes. Past LINE_KEYS keys of one
    // line it ends the line early, with a newline of its own, and with
    // editing off, so that libedit leaves the terminal in its own mode
    // (no line mode, no echo) instead of the terminal's line mode: the
    // rest of a paste goes on arriving meanwhile, and the terminal would
    // echo it.
    static int read_key(EditLine* editor, wchar_t* key)
    {
        EditedLines& self = of(editor);
        if (self.keys_ == LINE_KEYS) {
            self.long_line_ = true;
            el_set(editor, EL_EDITMODE, 0);
            *key = L'\n';
            return 1;
        }
        if (window_resized != 0) {
            window_resized = 0;
            el_resize(editor);
        }
        unsigned char byte = 0;
        for (;;) {
            const ssize_t count = read(STDIN_FILENO, &byte, 1);
            if (count == 1) {
                ++self.keys_;
                *key = static_cast<wchar_t>(byte);
                return 1;
            }
            if (count == 0 || errno != EINTR) {
                *key = L'\0';
                return count == 0 ? 0 : -1;
            }
        }
    }

    int_type read_line()
    {
        prompt_ = output_.take();
        keys_ = 0;
        long_line_ = false;
        // The terminal's mode between lines, for the rest of a long one.
        cooked_known_ = tcgetattr(STDIN_FILENO, &cooked_) == 0;
        int count = 0;
        const wchar_t* const line = el_wgets(editor_, &count);
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
        const auto length = static_cast<std::size_t>(count);
        line_.resize(length);
        for (std::size_t i = 0; i < length; ++i) {
            line_[i] = static_cast<char>(static_cast<unsigned char>(line[i]));
        }
        if (long_line_) {
            // The newline was libedit's ending, not the user's: the line
            // goes on, and is no answer to recall.
            line_.pop_back();
            start_rest();
        } else {
            remember(std::wstring(line, length));
        }
        if (line_.empty()) {
            return read_rest();
        }
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(*gptr());
    }

    // The rest of a long line as the terminal delivers it, a chunk at a
    // time, up to and including its newline, with the terminal kept out of
    // its line mode meanwhile (which would cut a line at 4096 bytes) and
    // not echoing (a paste is on the screen already, where it came from).
    // The screen shows the line's start, and libedit's newline after it.
    // The terminal goes from libedit's mode straight to this one, never
    // through its line mode; this one keeps a newline a newline, where
    // libedit's makes it a carriage return.
    void start_rest()
    {
        rest_of_long_line_ = true;
        if (cooked_known_) {
            struct termios raw = cooked_;
            raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
            raw.c_cc[VMIN] = 1;
            raw.c_cc[VTIME] = 0;
            tcsetattr(STDIN_FILENO, TCSANOW, &raw);
        }
    }

    // Editing back on, and the terminal in libedit's mode between lines,
    // which libedit must set itself to know it is no longer in its own.
    void end_rest()
    {
        rest_of_long_line_ = false;
        el_set(editor_, EL_EDITMODE, 1);
        el_set(editor_, EL_PREP_TERM, 0);
    }

    int_type read_rest()
    {
        chunk_.resize(CHUNK);
        ssize_t count = -1;
        do {
            count = read(STDIN_FILENO, &chunk_[0], CHUNK);
        } while (count < 0 && errno == EINTR);
        if (count <= 0) {
            end_rest();
            if (count < 0) {
                throw std::ios_base::failure("read error on the terminal");
            }
            ended_ = true;
            return traits_type::eof();
        }
        chunk_.resize(static_cast<std::size_t>(count));
        if (chunk_.find('\n') != std::string::npos) {
            end_rest();
        }
        setg(&chunk_[0], &chunk_[0], &chunk_[0] + chunk_.size());
        return traits_type::to_int_type(*gptr());
    }

    // The line without its newline, unless it is blank or repeats the
    // question's last answer; kept in libedit's characters, so that Up
    // brings back the bytes typed.
    void remember(std::wstring line)
    {
        const std::size_t end = line.find_last_not_of(L" \t\r\n\v\f");
        if (end == std::wstring::npos) {
            return;
        }
        line.erase(end + 1);
        HistEventW event;
        history_w(histories_[question_], &event, H_ENTER, line.c_str());
    }

    FILE* errors_;
    EditLine* editor_;
    HeldPrompt output_;
    HistoryW* histories_[QUESTION_COUNT] = {};
    int question_ = 0;
    std::string prompt_;
    std::string line_;
    std::string chunk_;
    struct termios cooked_ = {}; // the terminal's mode outside el_wgets
    bool cooked_known_ = false;
    int keys_ = 0;
    bool long_line_ = false;
    bool rest_of_long_line_ = false;
    bool ended_ = false;
};

} // namespace

Stop run_with_line_editing(Console& console, Stop (*body)(Console&))
{
    if (isatty(STDIN_FILENO) != 1 || isatty(STDOUT_FILENO) != 1
        || tcgetattr(STDIN_FILENO, &original_terminal) != 0) {
        return body(console);
    }
    const TerminalSignals signals;
    EditedLines lines(*console.out.rdbuf());
    if (!lines.ready()) {
        return body(console);
    }
    std::istream in(&lines);
    std::ostream out(&lines.output());
    in.tie(&out);
    out.copyfmt(console.out);
    Console edited{in, out, console.err, console.mode};
    const Stop stop = body(edited);
    // The console's own output reports what failed on the edited one.
    if (out.fail()) {
        console.out.setstate(std::ios::badbit);
    }
    return stop;
}

void answering(Console& console, Question question)
{
    if (auto* const lines = dynamic_cast<EditedLines*>(console.in.rdbuf())) {
        lines->answer(question);
    }
}

} // namespace revareza
