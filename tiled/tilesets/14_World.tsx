<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="14_World" tilewidth="512" tileheight="512" tilecount="49" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="49"/>
 </properties>
 <tile id="0">
  <image width="96" height="480" source="14_World/Blocker.png"/>
 </tile>
 <tile id="1">
  <image width="256" height="96" source="14_World/CloudPlatform.png"/>
 </tile>
 <tile id="2">
  <image width="112" height="144" source="14_World/ExitSign.png"/>
 </tile>
 <tile id="3">
  <image width="64" height="96" source="14_World/Flower.png"/>
 </tile>
 <tile id="4">
  <image width="64" height="96" source="14_World/Flower_0.png"/>
 </tile>
 <tile id="5">
  <image width="64" height="96" source="14_World/Flower_1.png"/>
 </tile>
 <tile id="6">
  <image width="96" height="256" source="14_World/Geyser.png"/>
 </tile>
 <tile id="7">
  <image width="96" height="256" source="14_World/Geyser_0.png"/>
 </tile>
 <tile id="8">
  <image width="96" height="256" source="14_World/Geyser_1.png"/>
 </tile>
 <tile id="9">
  <image width="96" height="256" source="14_World/Geyser_2.png"/>
 </tile>
 <tile id="10">
  <image width="96" height="256" source="14_World/Geyser_3.png"/>
 </tile>
 <tile id="11">
  <image width="120" height="144" source="14_World/Hive.png"/>
 </tile>
 <tile id="12">
  <image width="120" height="144" source="14_World/Hive_Idle.png"/>
 </tile>
 <tile id="13">
  <image width="120" height="144" source="14_World/Hive_Lit_0.png"/>
 </tile>
 <tile id="14">
  <image width="120" height="144" source="14_World/Hive_Lit_1.png"/>
 </tile>
 <tile id="15">
  <image width="512" height="72" source="14_World/Log_Long.png"/>
 </tile>
 <tile id="16">
  <image width="256" height="64" source="14_World/Log_Short.png"/>
 </tile>
 <tile id="17">
  <image width="72" height="256" source="14_World/Log_Upright.png"/>
 </tile>
 <tile id="18">
  <image width="320" height="80" source="14_World/Platform_Grass.png"/>
 </tile>
 <tile id="19">
  <image width="192" height="48" source="14_World/Platform_Stone.png"/>
 </tile>
 <tile id="20">
  <image width="256" height="48" source="14_World/Platform_Wood.png"/>
 </tile>
 <tile id="21">
  <image width="48" height="48" source="14_World/Pollen.png"/>
 </tile>
 <tile id="22">
  <image width="48" height="48" source="14_World/Pollen_0.png"/>
 </tile>
 <tile id="23">
  <image width="48" height="48" source="14_World/Pollen_1.png"/>
 </tile>
 <tile id="24">
  <image width="48" height="48" source="14_World/Pollen_2.png"/>
 </tile>
 <tile id="25">
  <image width="48" height="48" source="14_World/Pollen_3.png"/>
 </tile>
 <tile id="26">
  <image width="128" height="384" source="14_World/PowerGeyser.png"/>
 </tile>
 <tile id="27">
  <image width="128" height="384" source="14_World/PowerGeyser_0.png"/>
 </tile>
 <tile id="28">
  <image width="128" height="384" source="14_World/PowerGeyser_1.png"/>
 </tile>
 <tile id="29">
  <image width="128" height="384" source="14_World/PowerGeyser_2.png"/>
 </tile>
 <tile id="30">
  <image width="128" height="384" source="14_World/PowerGeyser_3.png"/>
 </tile>
 <tile id="31">
  <image width="256" height="144" source="14_World/RainCloud.png"/>
 </tile>
 <tile id="32">
  <image width="256" height="144" source="14_World/RainCloud_0.png"/>
 </tile>
 <tile id="33">
  <image width="256" height="144" source="14_World/RainCloud_1.png"/>
 </tile>
 <tile id="34">
  <image width="256" height="144" source="14_World/RainCloud_2.png"/>
 </tile>
 <tile id="35">
  <image width="128" height="96" source="14_World/Trap.png"/>
 </tile>
 <tile id="36">
  <image width="128" height="96" source="14_World/Trap_Close_0.png"/>
 </tile>
 <tile id="37">
  <image width="128" height="96" source="14_World/Trap_Close_1.png"/>
 </tile>
 <tile id="38">
  <image width="128" height="96" source="14_World/Trap_Close_2.png"/>
 </tile>
 <tile id="39">
  <image width="128" height="96" source="14_World/Trap_Open.png"/>
 </tile>
 <tile id="40">
  <image width="192" height="96" source="14_World/WaterBase.png"/>
 </tile>
 <tile id="41">
  <image width="192" height="96" source="14_World/WaterBase_0.png"/>
 </tile>
 <tile id="42">
  <image width="192" height="96" source="14_World/WaterBase_1.png"/>
 </tile>
 <tile id="43">
  <image width="192" height="96" source="14_World/WaterBase_2.png"/>
 </tile>
 <tile id="44">
  <image width="192" height="96" source="14_World/WaterBase_3.png"/>
 </tile>
 <tile id="45">
  <image width="160" height="512" source="14_World/Waterfall.png"/>
 </tile>
 <tile id="46">
  <image width="160" height="512" source="14_World/Waterfall_0.png"/>
 </tile>
 <tile id="47">
  <image width="160" height="512" source="14_World/Waterfall_1.png"/>
 </tile>
 <tile id="48">
  <image width="160" height="512" source="14_World/Waterfall_2.png"/>
 </tile>
</tileset>
