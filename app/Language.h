// A window whose captions come from the text table: ApplyTexts sets them
// again in the present language.
#pragma once

class ILanguage {
public:
    virtual ~ILanguage() = default;
    virtual void ApplyTexts() = 0;
};
