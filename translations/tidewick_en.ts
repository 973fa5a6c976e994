<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>%Ln keyword(s) of the watch list %1 were left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %2 characters long.</source>
        <translation>
            <numerusform>%Ln keyword of the watch list %1 was left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %2 characters long.</numerusform>
            <numerusform>%Ln keywords of the watch list %1 were left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %2 characters long.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tidewick</name>
    <message numerus="yes">
        <source>%1 is a file of %Ln byte(s), too large for a lock file</source>
        <translation>
            <numerusform>%1 is a file of %Ln byte, too large for a lock file</numerusform>
            <numerusform>%1 is a file of %Ln bytes, too large for a lock file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>another copy of Tidewick has held it for %Ln second(s)</source>
        <translation>
            <numerusform>another copy of Tidewick has held it for %Ln second</numerusform>
            <numerusform>another copy of Tidewick has held it for %Ln seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) of %1 were left out: a keyword can be at most %2 characters long.</source>
        <translation>
            <numerusform>%Ln line of %1 was left out: a keyword can be at most %2 characters long.</numerusform>
            <numerusform>%Ln lines of %1 were left out: a keyword can be at most %2 characters long.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tidewick::MainWindow</name>
    <message numerus="yes">
        <source>%Ln article(s) listed</source>
        <translation>
            <numerusform>%Ln article listed</numerusform>
            <numerusform>%Ln articles listed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Automatic news fetch done: %Ln article(s) listed.</source>
        <translation>
            <numerusform>Automatic news fetch done: %Ln article listed.</numerusform>
            <numerusform>Automatic news fetch done: %Ln articles listed.</numerusform>
        </translation>
    </message>
</context>
</TS>
