<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>IdleHangUp</name>
    <message numerus="yes">
        <source>No traffic on %1 for %n minutes: the connection was hung up.</source>
        <translation>
            <numerusform>No traffic on %1 for %n minute: the connection was hung up.</numerusform>
            <numerusform>No traffic on %1 for %n minutes: the connection was hung up.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticChart</name>
    <message numerus="yes">
        <source>%1 of the month, %n points</source>
        <translation>
            <numerusform>%1 of the month, %n point</numerusform>
            <numerusform>%1 of the month, %n points</numerusform>
        </translation>
    </message>
</context>
</TS>
