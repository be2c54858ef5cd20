#include "cef_command_line.h"

CefRefPtr<CefCommandLine> CefCommandLine::CreateCommandLine()
{
    return new CefCommandLine;
}

CefRefPtr<CefCommandLine> CefCommandLine::GetGlobalCommandLine()
{
    static CefRefPtr<CefCommandLine> global = CreateCommandLine();
    return global;
}

std::string CefCommandLine::plain(const CefString& name)
{
    std::string text = name.ToString();
    while (!text.empty() && text.front() == '-')
        text.erase(text.begin());
    return text;
}

void CefCommandLine::InitFromArgv(int argc, const char* const* argv)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_switches.clear();
    m_arguments.clear();
    m_program = argc > 0 && argv[0] ? argv[0] : "";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i] ? argv[i] : "";
        if (argument.rfind("--", 0) == 0 && argument.size() > 2) {
            const size_t equals = argument.find('=');
            const std::string name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
            const std::string value = equals == std::string::npos ? std::string() : argument.substr(equals + 1);
            m_switches.emplace_back(name, value);
        } else {
            m_arguments.push_back(argument);
        }
    }
}

bool CefCommandLine::HasSwitch(const CefString& name) const
{
    const std::string wanted = plain(name);
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& entry : m_switches) {
        if (entry.first == wanted)
            return true;
    }
    return false;
}

CefString CefCommandLine::GetSwitchValue(const CefString& name) const
{
    const std::string wanted = plain(name);
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = m_switches.rbegin(); it != m_switches.rend(); ++it) {
        if (it->first == wanted)
            return it->second;
    }
    return CefString();
}

std::map<std::string, std::string> CefCommandLine::GetSwitches() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::map<std::string, std::string> switches;
    for (const auto& entry : m_switches)
        switches[entry.first] = entry.second;
    return switches;
}

std::vector<std::string> CefCommandLine::GetArguments() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_arguments;
}

void CefCommandLine::AppendSwitch(const CefString& name)
{
    AppendSwitchWithValue(name, CefString());
}

void CefCommandLine::AppendSwitchWithValue(const CefString& name, const CefString& value)
{
    const std::string key = plain(name);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_switches.emplace_back(key, value.ToString());
}

std::vector<std::string> CefCommandLine::GetArgv() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::string> argv{m_program};
    for (const auto& entry : m_switches)
        argv.push_back("--" + entry.first + (entry.second.empty() ? std::string() : "=" + entry.second));
    argv.insert(argv.end(), m_arguments.begin(), m_arguments.end());
    return argv;
}
