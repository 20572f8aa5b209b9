#pragma once

#include <juce_core/juce_core.h>

#include <memory>
#include <string>
#include <vector>

namespace nubo
{

/**
    A small ordered list of text options (key and value pairs).

    Lookups return the value of the first entry with the given key, so a key that appears twice
    is read from its first entry.
*/
class StringVectorMap
{
public:
    /** One option. */
    class _oneElemenet
    {
    public:
        _oneElemenet (const juce::String& newKey, const juce::String& newValue);
        virtual ~_oneElemenet() = default;

        juce::String key;
        juce::String value;
    };

    StringVectorMap() = default;
    StringVectorMap (const StringVectorMap& other);
    StringVectorMap& operator= (const StringVectorMap& other);
    virtual ~StringVectorMap();

    /** The value of the first entry whose key equals key exactly, or an empty text. Keys and
        values are UTF-8. */
    std::string getStringVectorValue (std::string key) const;

    /** Replaces every entry by a copy of the other's entries, in order. */
    void copyStringVectorFrom (const StringVectorMap& other);

    /** Sets the value of the first entry with this key, or appends a new entry. */
    void setStringVectorValue (const juce::String& key, const juce::String& value);

    int getNumStringVectorEntries() const noexcept { return static_cast<int> (entries.size()); }
    const _oneElemenet* getStringVectorEntry (int index) const noexcept;

private:
    std::vector<std::unique_ptr<_oneElemenet>> entries;
};

} // namespace nubo
