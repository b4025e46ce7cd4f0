#include "teacher/coursepage.h"

namespace teacher {

namespace {

constexpr std::string_view elementEnd = "</script>";

} // namespace

std::string inElement(std::string_view file)
{
    std::string out;
    out.reserve(file.size());
    for (std::size_t i = 0; i < file.size(); ++i) {
        out += file[i];
        if (file[i] == '<' && i + 1 < file.size() && (file[i + 1] == '/' || file[i + 1] == '!' || file[i + 1] == '\\'))
            out += '\\';
    }
    return out;
}

std::string fromElement(std::string_view content)
{
    std::string out;
    out.reserve(content.size());
    for (std::size_t i = 0; i < content.size(); ++i) {
        out += content[i];
        if (content[i] == '<' && i + 2 < content.size() && content[i + 1] == '\\' &&
            (content[i + 2] == '/' || content[i + 2] == '!' || content[i + 2] == '\\'))
            ++i;
    }
    return out;
}

std::string coursePage(std::string_view page, std::string_view file)
{
    const std::string element = std::string(fileElementStart) + inElement(file) + std::string(elementEnd);
    if (const auto start = page.find(fileElementStart); start != std::string_view::npos) {
        const auto end = page.find(elementEnd, start + fileElementStart.size());
        const auto after = end == std::string_view::npos ? page.size() : end + elementEnd.size();
        return std::string(page.substr(0, start)) + element + std::string(page.substr(after));
    }
    // The last </body> is the page's own: the scripts before it hold text, not markup.
    const auto body = page.rfind("</body>");
    const auto at = body == std::string_view::npos ? page.size() : body;
    return std::string(page.substr(0, at)) + element + "\n" + std::string(page.substr(at));
}

std::optional<std::string> fileInPage(std::string_view page)
{
    const auto start = page.find(fileElementStart);
    if (start == std::string_view::npos)
        return std::nullopt;
    const auto from = start + fileElementStart.size();
    const auto end = page.find(elementEnd, from);
    return fromElement(page.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
}

} // namespace teacher
