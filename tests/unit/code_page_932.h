#pragma once

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

// Shift-JIS (code page 932) bytes as UTF-8, for tests that compare the
// system's escaped Japanese texts with their readable forms.
inline std::string Cp932ToUtf8(const std::string& bytes) {
    iconv_t convert = iconv_open("UTF-8", "CP932");
    if (convert == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "no CP932 converter";
        return {};
    }
    std::string in = bytes;
    std::string out(in.size() * 4 + 4, '\0');
    char* inPointer = in.data();
    char* outPointer = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(convert, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(convert);
    EXPECT_NE(result, static_cast<std::size_t>(-1)) << "not valid CP932: " << bytes;
    out.resize(out.size() - outLeft);
    return out;
}
