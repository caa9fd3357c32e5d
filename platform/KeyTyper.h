#pragma once
// Types characters into whatever field has the keyboard focus, as the
// operator panel's keypad does.
class CKeyTyper {
public:
    virtual ~CKeyTyper() = default;
    // withShift: hold Shift while typing (for "#", "+" and "*").
    virtual void TypeChar(char ch, bool withShift) = 0;
};
