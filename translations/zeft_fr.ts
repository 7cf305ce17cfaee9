<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CalculatorFormParts</name>
    <message>
        <source>Level A 20% = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level B 40% = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level C 60% =  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level D 80% = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Limit  = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bottom limit &quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContentCurve</name>
    <message>
        <source>Height (in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content (% of volume)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gauge reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content curve</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Invalid input for step value! The step must be a number greater than 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input for H value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input for H value! H must be at least 3.94 inch and no more than 78.74 inch!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input for H value! H must be at least 100 mm and no more than 2000 mm!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The volume at H must be greater than 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to update the parameters with those in the Non-Linear Calculated Values group box?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This method is just an estimation and is not accurate comparing to the Volume and Shape method! Are you sure you want to update the parameters with those in the Non-Linear Calculated Values group box?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input for X value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input for W value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y value cannot be equal or greater than H value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input for H!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>litres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cubic metres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US gallons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>imperial gallons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Open COM port!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to connect with the device! Check connection or battery!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to connect with the device!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to communicate with the device! Check connection or battery!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to communicate with the device!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to program the device! Check connection or battery!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to program the device!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid data in Output Type! Please select an output type!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid data in Fluid Type! Please select a fluid type!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device read successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device restored successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring default settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming the device now...<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device programmed successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (sent %2, read %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device did not keep these settings: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port was selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port is open: the Communication Settings were cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port was closed for a firmware update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select COM port!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped before its end: the sender was switched off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage 0 - 5V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistive 240 - 33R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistive 10 - 180R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistive 300 - 10R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Petrol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diesel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fluid Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Setup Sheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JpegPicture</name>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not a readable JPEG picture (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large for a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtFileDialogs</name>
    <message>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZEFT Config Files (*.zcf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupSheet</name>
    <message>
        <source>(none selected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>even parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>space parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not open)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 baud, %2 data bits, %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fluid Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Limit (Millimetre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Limit (Millimetre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level A = 20% of Tank Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level B = 40% of Tank Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level C = 60% of Tank Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level D = 80% of Tank Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sender Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows marked &quot;%1&quot; differ between what the sender held before it was programmed and what it reported after.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No read of this sender before it was programmed is known, in this run or in the job history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels from the Volume Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels from the Height Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels from the Measured Table Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels from the Shape Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimetre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non-Linearization &gt; %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: the window&apos;s starting values were handed over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, half tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, 10% reserve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest gauge error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... %1 more lines not printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZEFT Programmer - Setup Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sender&apos;s Reply as Last Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupSheetPdf</name>
    <message>
        <source>(nothing has been read from the sender in this run)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(The shape&apos;s picture %1 could not be loaded: %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TankChartPdf</name>
    <message>
        <source>Tank Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeft::TBatteryTestForm</name>
    <message>
        <source>Step 1: Press the TEST button to power on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the programming interface.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 2: Measure the voltage between the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red and black terminals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 3: Replace battery if below 8 Volts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeft::TJobHistoryForm</name>
    <message>
        <source>(none selected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The job history %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 lines that are not whole records were skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Records, oldest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings of the selected record:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fluid Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Limit (Millimetre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Limit (Millimetre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load into Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare with Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as the sender reported them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as the program sent them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 of %2 on %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings in the main window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeft::TMain_Form</name>
    <message>
        <source>See Com Port &gt; Diagnose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fluid Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Top Limit (Millimetre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Top Limit: 10 to 1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Bottom Limit (Millimetre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Bottom Limit: 100 to 2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 inch = 25.4 millimetre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tank Linearization Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Level A = 20% of Tank Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Level B = 40% of Tank Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Level C = 60% of Tank Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Level D = 80% of Tank Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Level A: 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Level B: 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Level C: 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Level D: 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Setup Sheet...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com &amp;Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Diagnose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non-&amp;Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured Table...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Update...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Test...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1, as Load would read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings in the main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sender on %1, as read now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select COM port first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed update could result the device un-usable. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes when ZEFT Programmer is started again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeft::TPortDoctorDlg</name>
    <message>
        <source>Diagnose Ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Findings and their fixes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Fixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the fixes to the clipboard, to paste into a terminal or a note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking at the serial ports and USB adapters...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fixes are on the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Fix: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No problem found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One finding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 findings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeft::TSerialLinkDLG</name>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flowcontrol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not present.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Input. Leave empty to hold previous Value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input allowed single Char or 0..255. Leave empty to hold previous Value.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeft::TSettingsComparisonForm</name>
    <message>
        <source>Left: %1
Right: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings are the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 settings %3: the rows marked &quot;%4&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeft::app::TAboutForm</name>
    <message>
        <source>About ZEFT Programmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2008-2026 KOV. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TMeasuredTableForm</name>
    <message>
        <source>Largest gauge error: -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non-linear Tank Parameter Calculation by Measured Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>greatest height in the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inch Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10% Reserve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Volumes in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non-Linear Calculated Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume at H = 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H (inch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume at H = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest gauge error: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TNonLinearHeightForm</name>
    <message>
        <source>Non-linear Tank Parameter Calculation by Tank Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Tank Height Information (Millimetre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height @ Full Tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height @ 80% Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height @ 60% Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height @ 40% Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height @ 20% Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Tank Height Information (Inch)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TNonLinearVolumeForm</name>
    <message>
        <source>Non-linear Tank Parameter Calculation by Tank Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Tank Volume Information (Litre or Gallon)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume @ Full Tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume @ 80% H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume @ 60% H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume @ 40% of H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume @ 20% of H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H (Millimetre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H (inch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H (mm)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TNonLinearizationForm</name>
    <message>
        <source>* symmetrical about the vertical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non-linear Tank Parameter Calculation by Tank Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prev &lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape No. 18/18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Tank Dimension (Millimetre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X1 Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X2 Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inch Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half Tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10% Reserve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non-Linear Calculated Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume in Litres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume in US Gallons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape No. 1/%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape No. %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Tank Dimension (Inch)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TTableCalculatorForm</name>
    <message>
        <source>Inch Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non-Linear Calculated Values</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TTankChartForm</name>
    <message>
        <source>Tank Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest gauge error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Volume unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Step (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dip &amp;table:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, half tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, full tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Volume %1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 10% reserve: the sender reads empty at %1%2, levels A to D above it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Largest gauge error: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
