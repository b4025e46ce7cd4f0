// The course page's one rule: the teacher's file goes into the lab page's
// element and comes back out unchanged, whatever it holds; and the
// Matrikelnummern of a pasted list or a CSV file.

#include "teacher/coursepage.h"
#include "teacher/pagetexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string lab = "<!DOCTYPE html><html><body><main></main>"
                        "<script>const s = \"</body>\";</script></body></html>";

TEST(CoursePage, TheFileComesBackUnchangedAndNothingEndsTheElement)
{
    const std::vector<std::string> files = {
        "sensor:nr=2:off\nanmeldung:pflicht\nvariante:schluessel=kurs7\n",
        "remark </script><script>alert(1)</script>\n",
        "<!-- a comment that would hide the end -->\n",
        "</SCRIPT > and <\\/script> written by hand, and <\\ and <\\\\\n",
        "ergebnisse:ordner=\\\\server\\kurs\\<2026>\n",
        "",
        "ends in <",
    };
    for (const auto& file : files) {
        const std::string page = teacher::coursePage(lab, file);
        EXPECT_EQ(teacher::fileInPage(page), file) << file;
        // The element stands before the page's own end, and its content holds
        // no "</" and no "<!" that the parser would act on.
        const auto start = page.find(teacher::fileElementStart);
        ASSERT_NE(start, std::string::npos);
        EXPECT_LT(start, page.rfind("</body>"));
        EXPECT_GT(start, page.find("</script>")) << "not inside the page's own script";
        const std::string content = teacher::inElement(file);
        EXPECT_EQ(content.find("</"), std::string::npos) << file;
        EXPECT_EQ(content.find("<!"), std::string::npos) << file;
        // Written again, the page holds one element, the new file's.
        const std::string again = teacher::coursePage(page, "sensor:nr=4\n");
        EXPECT_EQ(teacher::fileInPage(again), "sensor:nr=4\n");
        EXPECT_EQ(again.find(teacher::fileElementStart, again.find(teacher::fileElementStart) + 1), std::string::npos);
    }
    EXPECT_EQ(teacher::fileInPage(lab), std::nullopt);
}

TEST(CoursePage, MatrikelnummernOfAListOrACsvFile)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> rows = {
        {"123456", {"123456"}},
        {"123456\n654321\r\n123456\n", {"123456", "654321"}},
        {"Name;Matrikelnummer\r\nAnna Berg;4711-A\r\n\"Ben Ott\";0815\r\n", {"4711-A", "0815"}},
        {"12, 345;678 ab9", {"12", "345", "678", "ab9"}},
        {"Vorname, Nachname\n", {}},
    };
    for (const auto& [text, numbers] : rows)
        EXPECT_EQ(teacher::matrikelList(text), numbers) << text;
}

} // namespace
