// SPDX-License-Identifier: GPL-3.0-or-later
// The program writing a picture harms nothing it was not asked to write: each
// case prepares a folder, runs the real program there (its arguments as the
// system's bytes) and checks its status, its error line and what is left.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Ran {
    int status = -1;
    std::string error;
};

// Runs the program in `folder`; `closeOutput` closes its standard output.
Ran run(const std::string& folder, const std::vector<std::string>& arguments,
        const std::vector<std::string>& environment = {}, bool closeOutput = false) {
    int errors[2];
    if (::pipe(errors) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(errors[1], 2);
        ::close(errors[0]);
        if (closeOutput) ::close(1);
        if (::chdir(folder.c_str()) != 0) ::_exit(127);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        for (const std::string& variable : environment)
            ::putenv(const_cast<char*>(variable.c_str()));
        std::vector<char*> argv{const_cast<char*>(KORVATH_PROGRAM)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(KORVATH_PROGRAM, argv.data());
        ::_exit(127);
    }
    ::close(errors[1]);
    Ran result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(errors[0], buffer, sizeof buffer)) > 0;)
        result.error.append(buffer, size_t(n));
    ::close(errors[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

struct stat statOf(const std::string& path, bool follow = false) {
    struct stat found {};
    (follow ? ::stat : ::lstat)(path.c_str(), &found);
    return found;
}

std::string contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool isPng(const std::string& path) {
    return contents(path).rfind("\x89PNG", 0) == 0;
}

struct Case {
    const char* what;
    std::function<void()> prepare;  // in the case's folder
    std::vector<std::string> arguments;
    int status;
    std::string errorHas;  // "" for a quiet run
    std::function<bool()> leftAsItShould;
    std::vector<std::string> environment = {};
    bool closeOutput = false;
};

void write(const char* name, const char* text) {
    std::ofstream(name) << text;
}

TEST(FileHazards, TheProgramWritesOnlyWhatItIsAskedToAndSaysWhyItDoesNot) {
    const bool root = ::geteuid() == 0;
    const std::string tooLong = std::string(32780, 'a') + ".png";
    const std::vector<Case> cases{
        {"a link to a text file",
         [] { write("notes.txt", "notes"), ::symlink("notes.txt", "l.png"); },
         {"--picture", "l.png"},
         1,
         "leads to notes.txt",
         [] { return contents("notes.txt") == "notes"; }},
        {"a named pipe",
         [] { ::mkfifo("p.png", 0644); },
         {"--picture", "p.png"},
         1,
         "it is a named pipe",
         [] { return S_ISFIFO(statOf("p.png").st_mode); }},
        {"a link to a named pipe",
         [] { ::mkfifo("p.png", 0644), ::symlink("p.png", "y.png"); },
         {"--picture", "y.png"},
         1,
         "it is a named pipe",
         [] { return S_ISFIFO(statOf("p.png").st_mode) && S_ISLNK(statOf("y.png").st_mode); }},
        {"a folder",
         [] { ::mkdir("d.png", 0755); },
         {"--picture", "d.png"},
         1,
         "it is a folder",
         [] { return S_ISDIR(statOf("d.png").st_mode); }},
        {"a loop of links",
         [] { ::symlink("b.png", "a.png"), ::symlink("a.png", "b.png"); },
         {"--picture", "a.png"},
         1,
         std::strerror(ELOOP),
         [] { return S_ISLNK(statOf("a.png").st_mode) && S_ISLNK(statOf("b.png").st_mode); }},
        {"a link to a new file",
         [] { ::symlink("new.png", "n.png"); },
         {"--picture", "n.png"},
         0,
         "",
         [] { return isPng("new.png") && S_ISLNK(statOf("n.png").st_mode); }},
        {"a read-only file",
         [] { write("r.png", "old"), ::chmod("r.png", 0444); },
         {"--picture", "r.png"},
         0,
         "",
         [] { return isPng("r.png") && (statOf("r.png").st_mode & 07777) == 0444; }},
        {"another user's file",
         [] {
             write("o.png", "old"), ::chmod("o.png", 0640), (void)::chown("o.png", 65534, 65534);
         },
         {"--picture", "o.png"},
         0,
         "",
         [root] {
             const struct stat found = statOf("o.png");
             return isPng("o.png") && (found.st_mode & 07777) == 0640 &&
                    (!root || found.st_uid == 65534);
         }},
        {"names that are not text",
         [] {},
         {"--picture", "a\xff.png"},
         0,
         "",
         [] { return isPng("a\xff.png") && ::access("a\xef\xbf\xbd.png", F_OK) != 0; }},
        {"a name longer than the system allows",
         [] {},
         {"--picture", tooLong},
         1,
         std::strerror(ENAMETOOLONG),
         [] { return true; }},
        {"values with standard output closed",
         [] {},
         {"--values"},
         1,
         std::strerror(EBADF),
         [] { return true; },
         {},
         true},
        {"a huge screen scale",
         [] {},
         {"--picture", "s.png"},
         0,
         "",
         [] { return isPng("s.png"); },
         {"QT_SCALE_FACTOR=1e308"}},
    };
    char pattern[] = "/tmp/korvath-hazards-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string top = pattern;
    char here[4096];
    ASSERT_NE(::getcwd(here, sizeof here), nullptr);
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string folder = top + "/" + std::to_string(++number);
        ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
        ASSERT_EQ(::chdir(folder.c_str()), 0);
        c.prepare();
        const Ran result = run(folder, c.arguments, c.environment, c.closeOutput);
        EXPECT_EQ(result.status, c.status) << result.error;
        if (c.errorHas.empty())
            EXPECT_EQ(result.error, "");
        else
            EXPECT_NE(result.error.find(c.errorHas), std::string::npos) << result.error;
        EXPECT_TRUE(c.leftAsItShould());
        ASSERT_EQ(::chdir(here), 0);
    }
    // A second name that is not text is a file of its own.
    const std::string folder = top + "/" + std::to_string(number - 3);
    EXPECT_EQ(run(folder, {"--picture", "a\xfe.png"}).status, 0);
    EXPECT_TRUE(isPng(folder + "/a\xfe.png") && isPng(folder + "/a\xff.png"));
    EXPECT_EQ(std::system(("rm -rf '" + top + "'").c_str()), 0);
}

}  // namespace
