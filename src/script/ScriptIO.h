#pragma once
// Where the game's scripts come from (a file) and where their compile and
// run-time errors go (standard output).
#include <cstdio>

#include "morscript/IO.h"

class MyInputter : public MorScript::Inputter {
public:
    // A file that cannot be opened reads as an empty script.
    explicit MyInputter(const char* path);
    ~MyInputter() override;
    MyInputter(const MyInputter&) = delete;
    MyInputter& operator=(const MyInputter&) = delete;

    int ReadChar() override;
    bool isOpen() const { return fp != nullptr; }

    FILE* fp;
};

class MyOutputter : public MorScript::Outputter {
public:
    int Write(const char* text) override;
};
