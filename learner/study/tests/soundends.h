#ifndef SOUNDENDS_H
#define SOUNDENDS_H

// Counts the emissions of MPlay::playstopped() anywhere in the program, for
// windows whose player the test cannot reach. One counter at a time.
class SoundEnds
{
public:
    SoundEnds();
    ~SoundEnds();
    int count() const;
    void reset();
};

#endif
