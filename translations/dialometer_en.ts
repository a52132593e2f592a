<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CliText</name>
    <message numerus="yes">
        <source>%n value(s) could not be read under the current regional settings (%1) and are left empty</source>
        <translation>
            <numerusform>%n value could not be read under the current regional settings (%1) and is left empty</numerusform>
            <numerusform>%n values could not be read under the current regional settings (%1) and are left empty</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Total: %n sessions</source>
        <translation>
            <numerusform>Total: %n session</numerusform>
            <numerusform>Total: %n sessions</numerusform>
        </translation>
    </message>
</context>
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
