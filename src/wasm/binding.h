#pragma once
// Shared helpers of the JavaScript binding: JavaScript arrays and the
// decimal separator as the page passes it (a one-character string).

#include "model/config.h"

#include <emscripten/val.h>

#include <algorithm>

#include <array>
#include <string>
#include <vector>

namespace binding {

template <class T> emscripten::val array(const std::vector<T>& items)
{
    emscripten::val out = emscripten::val::array();
    for (std::size_t i = 0; i < items.size(); ++i)
        out.set(i, items[i]);
    return out;
}

template <class T, std::size_t N> emscripten::val array(const std::array<T, N>& items)
{
    return array(std::vector<T>(items.begin(), items.end()));
}

// "," or "."; anything else is taken as the German comma.
inline char separator(const std::string& text) { return text == "." ? '.' : ','; }

// The teacher's file as the page hands it in (its text; "" for none), cut
// where the desktop stops reading one.
inline model::ConfigFile configFile(const std::string& text)
{
    model::ConfigFile file;
    if (!text.empty()) {
        file.kind = model::ConfigFile::Kind::Read;
        file.bytes = text.substr(0, std::min(text.size(), model::maxConfigBytes));
        file.cut = text.size() > model::maxConfigBytes;
    }
    return file;
}

} // namespace binding
