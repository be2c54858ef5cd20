#pragma once

// The engine's start in Farplay: the process split and initialisation with Farplay's
// settings. -1 when this process was one of the engine's sub-processes (already done), 0 in
// the browser process.
class FarplayStartup
{
public:
    static constexpr const char* kUserAgent =
        "Mozilla/5.0 (Windows NT 6.2; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/93.0.4577.82 "
        "Safari/537.36 VDK/0.12.1.3";

    static int initCef(int argc, char** argv);
};
