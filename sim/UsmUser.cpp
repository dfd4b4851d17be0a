#include "UsmUser.h"

#include <vector>

namespace {

// USM derives keys from pass phrases of at least eight characters.
constexpr std::size_t MinimumPassPhrase = 8;

std::vector<std::string> splitColons(std::string_view text)
{
    std::vector<std::string> parts;
    while (true) {
        std::size_t colon = text.find(':');
        parts.emplace_back(text.substr(0, colon));
        if (colon == std::string_view::npos)
            return parts;
        text.remove_prefix(colon + 1);
    }
}

std::string quoted(const std::string &text)
{
    std::string result = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            result += '\\';
        result += c;
    }
    return result + "\"";
}

} // namespace

std::optional<UsmUser> UsmUser::parse(std::string_view spec, std::string &error)
{
    std::vector<std::string> parts = splitColons(spec);
    if (parts.size() != 1 && parts.size() != 3 && parts.size() != 5) {
        error = "expected NAME, NAME:AUTH:PASS or NAME:AUTH:PASS:PRIV:PASS";
        return std::nullopt;
    }
    UsmUser user;
    user.name = parts[0];
    if (user.name.empty() || user.name.find_first_of(" \t\"") != std::string::npos) {
        error = "a user name is one word";
        return std::nullopt;
    }
    if (parts.size() >= 3) {
        user.authProtocol = parts[1];
        user.authPassword = parts[2];
        if (user.authProtocol != "MD5" && user.authProtocol != "SHA") {
            error = "the authentication protocol is MD5 or SHA";
            return std::nullopt;
        }
        if (user.authPassword.size() < MinimumPassPhrase) {
            error = "pass phrases have at least 8 characters";
            return std::nullopt;
        }
    }
    if (parts.size() == 5) {
        user.privProtocol = parts[3];
        user.privPassword = parts[4];
        if (user.privProtocol != "DES" && user.privProtocol != "AES") {
            error = "the privacy protocol is DES or AES";
            return std::nullopt;
        }
        if (user.privPassword.size() < MinimumPassPhrase) {
            error = "pass phrases have at least 8 characters";
            return std::nullopt;
        }
    }
    return user;
}

std::string UsmUser::createUserLine() const
{
    std::string line = "createUser " + name;
    if (!authProtocol.empty())
        line += " " + authProtocol + " " + quoted(authPassword);
    if (!privProtocol.empty())
        line += " " + privProtocol + " " + quoted(privPassword);
    return line;
}
