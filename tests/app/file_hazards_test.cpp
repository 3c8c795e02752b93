// SPDX-License-Identifier: GPL-3.0-or-later
// The program writing a picture harms nothing it was not asked to write. Each
// case prepares a folder of its own with the shell, runs the real program
// there ($K) and checks its status, its error line and, with a shell test,
// what is left.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Case {
    const char* what;
    const char* prepare;
    const char* run;
    int status;
    std::string errorHas;  // "" for a quiet run
    const char* left;
};

std::string contents(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

TEST(FileHazards, TheProgramWritesOnlyWhatItIsAskedToAndSaysWhyItDoesNot) {
    const bool root = ::geteuid() == 0;
    const Case cases[] = {
        {"a link to a text file", "echo notes > notes.txt; ln -s notes.txt l.png",
         "$K --picture l.png", 1, "leads to notes.txt", "[ \"$(cat notes.txt)\" = notes ]"},
        {"a named pipe", "mkfifo p.png", "$K --picture p.png", 1, "named pipe", "[ -p p.png ]"},
        {"a link to a named pipe", "mkfifo p.png; ln -s p.png y.png", "$K --picture y.png", 1,
         "named pipe", "[ -p p.png ] && [ -L y.png ]"},
        {"a folder", "mkdir d.png", "$K --picture d.png", 1, "folder", "[ -d d.png ]"},
        {"a loop of links", "ln -s b.png a.png; ln -s a.png b.png", "$K --picture a.png", 1,
         std::strerror(ELOOP), "[ -L a.png ] && [ -L b.png ]"},
        {"a link to a new file", "ln -s new.png n.png", "$K --picture n.png", 0, "",
         "[ -L n.png ] && grep -q PNG new.png"},
        {"a read-only file", "echo old > r.png; chmod 444 r.png", "$K --picture r.png", 0, "",
         "[ $(stat -c %a r.png) = 444 ] && grep -q PNG r.png"},
        {"another user's file", "echo old > o.png; chmod 640 o.png; chown 65534 o.png",
         "$K --picture o.png", 0, "",
         root ? "[ $(stat -c %a:%u o.png) = 640:65534 ] && grep -q PNG o.png"
              : "[ $(stat -c %a o.png) = 640 ]"},
        {"two names that are not text", "",
         "$K --picture \"$(printf 'a\\377.png')\" && $K --picture \"$(printf 'a\\376.png')\"", 0,
         "", "grep -q PNG \"$(printf 'a\\377.png')\" && grep -q PNG \"$(printf 'a\\376.png')\""},
        {"a name longer than the system allows", "",
         "$K --picture \"$(head -c 32780 /dev/zero | tr '\\0' a).png\"", 1,
         std::strerror(ENAMETOOLONG), "true"},
        {"values with standard output closed", "", "$K --values >&-", 1, std::strerror(EBADF),
         "true"},
        {"a huge screen scale", "", "QT_SCALE_FACTOR=1e308 $K --picture s.png", 0, "",
         "grep -q PNG s.png"},
    };
    char top[] = "/tmp/korvath-hazards-XXXXXX";
    ASSERT_NE(::mkdtemp(top), nullptr);
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string folder = std::string(top) + "/" + std::to_string(++number);
        std::ofstream(folder + ".sh")
            << "mkdir " << folder << " && cd " << folder << " || exit\nK=" << KORVATH_PROGRAM
            << "\nexport QT_QPA_PLATFORM=offscreen\n"
            << c.prepare << " 2>/dev/null\n{ " << c.run << "; } 2>../" << number
            << ".err\necho $? >../" << number << ".status\n"
            << c.left << " && touch ../" << number << ".left\nexit 0\n";
        ASSERT_EQ(std::system(("sh " + folder + ".sh").c_str()), 0);
        EXPECT_EQ(contents(folder + ".status"), std::to_string(c.status) + "\n");
        const std::string error = contents(folder + ".err");
        if (c.errorHas.empty())
            EXPECT_EQ(error, "");
        else
            EXPECT_NE(error.find(c.errorHas), std::string::npos) << error;
        EXPECT_EQ(::access((folder + ".left").c_str(), F_OK), 0) << "what is left";
    }
    EXPECT_EQ(std::system(("rm -rf " + std::string(top)).c_str()), 0);
}

}  // namespace
