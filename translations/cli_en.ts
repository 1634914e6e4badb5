<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>cli</name>
    <message>
        <source>--lang attend fr ou en (pas « %1 »)</source>
        <translation>--lang expects fr or en (not “%1”)</translation>
    </message>
</context>
</TS>
