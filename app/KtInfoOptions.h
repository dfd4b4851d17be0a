#pragma once

// The long options --help and --version of the programs whose own command
// line is the slash grammar (/I10.90.90.90 /Rpublic). Neither holds a slash,
// so neither can be taken for a switch. They are answered before any window
// or display is needed.
class KtInfoOptions
{
public:
    // Prints the usage text for --help, or "<program> <version>" for
    // --version, to standard output and returns true when either is among
    // the arguments; returns false otherwise.
    static bool Answer(int argc, char **argv, const char *usage);
};
