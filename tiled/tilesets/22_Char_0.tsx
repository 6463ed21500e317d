<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="22_Char_0" tilewidth="1000" tileheight="640" tilecount="105" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="105"/>
 </properties>
 <tile id="0">
  <image width="48" height="64" source="22_Char_0/Char_0.png"/>
 </tile>
 <tile id="1">
  <image width="48" height="64" source="22_Char_0/Char_1.png"/>
 </tile>
 <tile id="2">
  <image width="48" height="64" source="22_Char_0/Char_2.png"/>
 </tile>
 <tile id="3">
  <image width="48" height="64" source="22_Char_0/Char_3.png"/>
 </tile>
 <tile id="4">
  <image width="48" height="64" source="22_Char_0/Char_4.png"/>
 </tile>
 <tile id="5">
  <image width="48" height="64" source="22_Char_0/Char_5.png"/>
 </tile>
 <tile id="6">
  <image width="48" height="64" source="22_Char_0/Char_6.png"/>
 </tile>
 <tile id="7">
  <image width="48" height="64" source="22_Char_0/Char_7.png"/>
 </tile>
 <tile id="8">
  <image width="48" height="64" source="22_Char_0/Char_8.png"/>
 </tile>
 <tile id="9">
  <image width="48" height="64" source="22_Char_0/Char_9.png"/>
 </tile>
 <tile id="10">
  <image width="48" height="64" source="22_Char_0/Char_A.png"/>
 </tile>
 <tile id="11">
  <image width="48" height="64" source="22_Char_0/Char_Ampersand.png"/>
 </tile>
 <tile id="12">
  <image width="48" height="64" source="22_Char_0/Char_Apostrophe.png"/>
 </tile>
 <tile id="13">
  <image width="48" height="64" source="22_Char_0/Char_Arrow.png"/>
 </tile>
 <tile id="14">
  <image width="48" height="64" source="22_Char_0/Char_Arrow_2.png"/>
 </tile>
 <tile id="15">
  <image width="48" height="64" source="22_Char_0/Char_B.png"/>
 </tile>
 <tile id="16">
  <image width="48" height="64" source="22_Char_0/Char_Backslash.png"/>
 </tile>
 <tile id="17">
  <image width="48" height="64" source="22_Char_0/Char_C.png"/>
 </tile>
 <tile id="18">
  <image width="48" height="64" source="22_Char_0/Char_Colon.png"/>
 </tile>
 <tile id="19">
  <image width="48" height="64" source="22_Char_0/Char_Comma.png"/>
 </tile>
 <tile id="20">
  <image width="48" height="64" source="22_Char_0/Char_D.png"/>
 </tile>
 <tile id="21">
  <image width="48" height="64" source="22_Char_0/Char_Dash.png"/>
 </tile>
 <tile id="22">
  <image width="48" height="64" source="22_Char_0/Char_Dot.png"/>
 </tile>
 <tile id="23">
  <image width="48" height="64" source="22_Char_0/Char_E.png"/>
 </tile>
 <tile id="24">
  <image width="48" height="64" source="22_Char_0/Char_Equals.png"/>
 </tile>
 <tile id="25">
  <image width="48" height="64" source="22_Char_0/Char_Exclamation.png"/>
 </tile>
 <tile id="26">
  <image width="48" height="64" source="22_Char_0/Char_F.png"/>
 </tile>
 <tile id="27">
  <image width="48" height="64" source="22_Char_0/Char_G.png"/>
 </tile>
 <tile id="28">
  <image width="48" height="64" source="22_Char_0/Char_Grave.png"/>
 </tile>
 <tile id="29">
  <image width="48" height="64" source="22_Char_0/Char_H.png"/>
 </tile>
 <tile id="30">
  <image width="48" height="64" source="22_Char_0/Char_I.png"/>
 </tile>
 <tile id="31">
  <image width="48" height="64" source="22_Char_0/Char_J.png"/>
 </tile>
 <tile id="32">
  <image width="48" height="64" source="22_Char_0/Char_K.png"/>
 </tile>
 <tile id="33">
  <image width="48" height="64" source="22_Char_0/Char_L.png"/>
 </tile>
 <tile id="34">
  <image width="48" height="64" source="22_Char_0/Char_LeftBracket.png"/>
 </tile>
 <tile id="35">
  <image width="48" height="64" source="22_Char_0/Char_M.png"/>
 </tile>
 <tile id="36">
  <image width="48" height="64" source="22_Char_0/Char_Minus.png"/>
 </tile>
 <tile id="37">
  <image width="48" height="64" source="22_Char_0/Char_N.png"/>
 </tile>
 <tile id="38">
  <image width="48" height="64" source="22_Char_0/Char_O.png"/>
 </tile>
 <tile id="39">
  <image width="48" height="64" source="22_Char_0/Char_P.png"/>
 </tile>
 <tile id="40">
  <image width="48" height="64" source="22_Char_0/Char_Period.png"/>
 </tile>
 <tile id="41">
  <image width="48" height="64" source="22_Char_0/Char_Plus.png"/>
 </tile>
 <tile id="42">
  <image width="48" height="64" source="22_Char_0/Char_Q.png"/>
 </tile>
 <tile id="43">
  <image width="48" height="64" source="22_Char_0/Char_Question.png"/>
 </tile>
 <tile id="44">
  <image width="48" height="64" source="22_Char_0/Char_R.png"/>
 </tile>
 <tile id="45">
  <image width="48" height="64" source="22_Char_0/Char_RightBracket.png"/>
 </tile>
 <tile id="46">
  <image width="48" height="64" source="22_Char_0/Char_S.png"/>
 </tile>
 <tile id="47">
  <image width="48" height="64" source="22_Char_0/Char_Semicolon.png"/>
 </tile>
 <tile id="48">
  <image width="48" height="64" source="22_Char_0/Char_Slash.png"/>
 </tile>
 <tile id="49">
  <image width="48" height="64" source="22_Char_0/Char_Stick.png"/>
 </tile>
 <tile id="50">
  <image width="48" height="64" source="22_Char_0/Char_Stick_Transparent.png"/>
 </tile>
 <tile id="51">
  <image width="48" height="64" source="22_Char_0/Char_T.png"/>
 </tile>
 <tile id="52">
  <image width="48" height="64" source="22_Char_0/Char_U.png"/>
 </tile>
 <tile id="53">
  <image width="48" height="64" source="22_Char_0/Char_Underscore.png"/>
 </tile>
 <tile id="54">
  <image width="48" height="64" source="22_Char_0/Char_V.png"/>
 </tile>
 <tile id="55">
  <image width="48" height="64" source="22_Char_0/Char_W.png"/>
 </tile>
 <tile id="56">
  <image width="48" height="64" source="22_Char_0/Char_X.png"/>
 </tile>
 <tile id="57">
  <image width="48" height="64" source="22_Char_0/Char_Y.png"/>
 </tile>
 <tile id="58">
  <image width="48" height="64" source="22_Char_0/Char_Z.png"/>
 </tile>
 <tile id="59">
  <image width="720" height="96" source="22_Char_0/Cursor_Bees.png"/>
 </tile>
 <tile id="60">
  <image width="720" height="96" source="22_Char_0/Cursor_Bees_0.png"/>
 </tile>
 <tile id="61">
  <image width="720" height="96" source="22_Char_0/Cursor_Bees_1.png"/>
 </tile>
 <tile id="62">
  <image width="22" height="44" source="22_Char_0/HUD_Bar.png"/>
 </tile>
 <tile id="63">
  <image width="22" height="44" source="22_Char_0/HUD_Bar_Empty.png"/>
 </tile>
 <tile id="64">
  <image width="22" height="44" source="22_Char_0/HUD_Bar_Full.png"/>
 </tile>
 <tile id="65">
  <image width="56" height="56" source="22_Char_0/HUD_ClockIcon.png"/>
 </tile>
 <tile id="66">
  <image width="64" height="64" source="22_Char_0/HUD_Head.png"/>
 </tile>
 <tile id="67">
  <image width="64" height="64" source="22_Char_0/HUD_Head_Alive.png"/>
 </tile>
 <tile id="68">
  <image width="64" height="64" source="22_Char_0/HUD_Head_Dead.png"/>
 </tile>
 <tile id="69">
  <image width="56" height="56" source="22_Char_0/HUD_PollenIcon.png"/>
 </tile>
 <tile id="70">
  <image width="1000" height="560" source="22_Char_0/HowToPlay.png"/>
 </tile>
 <tile id="71">
  <image width="472" height="72" source="22_Char_0/Label_Apply.png"/>
 </tile>
 <tile id="72">
  <image width="216" height="72" source="22_Char_0/Label_Beegin.png"/>
 </tile>
 <tile id="73">
  <image width="280" height="72" source="22_Char_0/Label_Continue.png"/>
 </tile>
 <tile id="74">
  <image width="280" height="72" source="22_Char_0/Label_Controls.png"/>
 </tile>
 <tile id="75">
  <image width="248" height="72" source="22_Char_0/Label_Credits.png"/>
 </tile>
 <tile id="76">
  <image width="280" height="72" source="22_Char_0/Label_Defaults.png"/>
 </tile>
 <tile id="77">
  <image width="160" height="72" source="22_Char_0/Label_Exit.png"/>
 </tile>
 <tile id="78">
  <image width="360" height="72" source="22_Char_0/Label_HowToPlay.png"/>
 </tile>
 <tile id="79">
  <image width="160" height="72" source="22_Char_0/Label_Jump.png"/>
 </tile>
 <tile id="80">
  <image width="160" height="72" source="22_Char_0/Label_Left.png"/>
 </tile>
 <tile id="81">
  <image width="224" height="72" source="22_Char_0/Label_Levels.png"/>
 </tile>
 <tile id="82">
  <image width="104" height="72" source="22_Char_0/Label_No.png"/>
 </tile>
 <tile id="83">
  <image width="248" height="72" source="22_Char_0/Label_Options.png"/>
 </tile>
 <tile id="84">
  <image width="192" height="72" source="22_Char_0/Label_Pause.png"/>
 </tile>
 <tile id="85">
  <image width="160" height="72" source="22_Char_0/Label_Quit.png"/>
 </tile>
 <tile id="86">
  <image width="440" height="72" source="22_Char_0/Label_QuitQuestion.png"/>
 </tile>
 <tile id="87">
  <image width="336" height="72" source="22_Char_0/Label_Resolution.png"/>
 </tile>
 <tile id="88">
  <image width="256" height="72" source="22_Char_0/Label_Restart.png"/>
 </tile>
 <tile id="89">
  <image width="440" height="72" source="22_Char_0/Label_ReturnToMain.png"/>
 </tile>
 <tile id="90">
  <image width="184" height="72" source="22_Char_0/Label_Right.png"/>
 </tile>
 <tile id="91">
  <image width="160" height="72" source="22_Char_0/Label_Roll.png"/>
 </tile>
 <tile id="92">
  <image width="192" height="72" source="22_Char_0/Label_Sound.png"/>
 </tile>
 <tile id="93">
  <image width="136" height="72" source="22_Char_0/Label_State.png"/>
 </tile>
 <tile id="94">
  <image width="136" height="72" source="22_Char_0/Label_State_Blank.png"/>
 </tile>
 <tile id="95">
  <image width="136" height="72" source="22_Char_0/Label_State_Off.png"/>
 </tile>
 <tile id="96">
  <image width="136" height="72" source="22_Char_0/Label_State_On.png"/>
 </tile>
 <tile id="97">
  <image width="416" height="72" source="22_Char_0/Label_SureQuestion.png"/>
 </tile>
 <tile id="98">
  <image width="568" height="72" source="22_Char_0/Label_ToggleFullscreen.png"/>
 </tile>
 <tile id="99">
  <image width="392" height="72" source="22_Char_0/Label_ToggleSound.png"/>
 </tile>
 <tile id="100">
  <image width="136" height="72" source="22_Char_0/Label_Yes.png"/>
 </tile>
 <tile id="101">
  <image width="640" height="640" source="22_Char_0/Plank.png"/>
 </tile>
 <tile id="102">
  <image width="600" height="420" source="22_Char_0/Plank_Small.png"/>
 </tile>
 <tile id="103">
  <image width="48" height="64" source="22_Char_0/PrimaryFont.png"/>
 </tile>
 <tile id="104">
  <image width="640" height="345" source="22_Char_0/TeamCredits.png"/>
 </tile>
</tileset>
