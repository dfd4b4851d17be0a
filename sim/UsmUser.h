#pragma once

#include <optional>
#include <string>
#include <string_view>

// One SNMPv3 user of the user-based security model, as given on the command
// line: NAME, NAME:AUTH:AUTHPASS or NAME:AUTH:AUTHPASS:PRIV:PRIVPASS, with
// AUTH MD5, SHA, SHA-224, SHA-256, SHA-384 or SHA-512 and PRIV DES, AES
// (AES-128), AES-192 or AES-256.
struct UsmUser
{
    std::string name;
    std::string authProtocol;
    std::string authPassword;
    std::string privProtocol;
    std::string privPassword;

    // nullopt and `error` set when the text is not a valid user.
    static std::optional<UsmUser> parse(std::string_view spec, std::string &error);
    // The agent's createUser configuration line for this user.
    std::string createUserLine() const;
};
