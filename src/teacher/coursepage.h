#pragma once
// A course page: the lab page with the teacher's file inside, in the element
// the page reads it from, so that a student needs nothing but that one file.

#include <optional>
#include <string>
#include <string_view>

namespace teacher {

// The element's opening, as the page looks it up.
inline constexpr std::string_view fileElementStart = R"(<script type="text/plain" id="cmmup.dlx">)";

// The file as the element's content: after a "<" every "/", "!" and "\" gets
// a "\" before it, so that nothing inside ends the element ("</script") or
// opens a comment that would hide its end ("<!--").
std::string inElement(std::string_view file);
// The element's content back as the file it was made of.
std::string fromElement(std::string_view content);

// `page` with `file` in its element: an element already there is replaced,
// otherwise the element stands before the page's closing </body> (or at its
// end when it has none).
std::string coursePage(std::string_view page, std::string_view file);

// The teacher's file inside `page`, if it has one.
std::optional<std::string> fileInPage(std::string_view page);

} // namespace teacher
