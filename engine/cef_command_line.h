#pragma once

#include "cef_base.h"
#include "cef_string.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

// A process's command line: the program, switches ("--name" or "--name=value") and other
// arguments. The global one is filled from the process's arguments by CefExecuteProcess
// and CefInitialize.
class CefCommandLine : public virtual CefBaseRefCounted
{
public:
    static CefRefPtr<CefCommandLine> CreateCommandLine();
    static CefRefPtr<CefCommandLine> GetGlobalCommandLine();

    void InitFromArgv(int argc, const char* const* argv);
    bool HasSwitch(const CefString& name) const;
    CefString GetSwitchValue(const CefString& name) const;
    std::map<std::string, std::string> GetSwitches() const;
    std::vector<std::string> GetArguments() const;
    void AppendSwitch(const CefString& name);
    // The name may be given with its leading dashes.
    void AppendSwitchWithValue(const CefString& name, const CefString& value);
    // The program, then "--name[=value]" per switch in the order given, then the arguments.
    std::vector<std::string> GetArgv() const;

private:
    static std::string plain(const CefString& name);

    mutable std::mutex m_mutex;
    std::string m_program;
    std::vector<std::pair<std::string, std::string>> m_switches;
    std::vector<std::string> m_arguments;

    IMPLEMENT_REFCOUNTING(CefCommandLine);
};
