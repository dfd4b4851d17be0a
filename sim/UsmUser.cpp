#include "UsmUser.h"

#include <vector>

namespace {

// USM derives keys from pass phrases of at least eight characters.
constexpr std::size_t MinimumPassPhrase = 8;

// The protocol names of the agent's createUser lines ("AES" is AES-128).
constexpr std::string_view AuthProtocols[] = {"MD5", "SHA", "SHA-224", "SHA-256", "SHA-384", "SHA-512"};
constexpr std::string_view PrivProtocols[] = {"DES", "AES", "AES-128", "AES-192", "AES-256"};

template <std::size_t N> bool isOneOf(const std::string &name, const std::string_view (&names)[N])
{
    for (std::string_view known : names)
        if (name == known)
            return true;
    return false;
}

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
        if (!isOneOf(user.authProtocol, AuthProtocols)) {
            error = "the authentication protocol is MD5, SHA, SHA-224, SHA-256, SHA-384 or SHA-512";
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
        if (!isOneOf(user.privProtocol, PrivProtocols)) {
            error = "the privacy protocol is DES, AES (AES-128), AES-192 or AES-256";
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
