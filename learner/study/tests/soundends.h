#ifndef SOUNDENDS_H
#define SOUNDENDS_H

#include <functional>

// Counts the emissions of MPlay::playstopped() anywhere in the program, for
// windows whose player the test cannot reach. One counter at a time.
class SoundEnds
{
public:
    SoundEnds();
    ~SoundEnds();
    int count() const;
    void reset();
    // Runs action once, as the next sound ends: before anything connected
    // to the end has seen it.
    void atnextend(std::function<void()> action);
};

#endif
